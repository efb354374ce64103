// replacement_file.cpp - the temporary file beside the target, and the one-step replacement.
#include "replacement_file.h"

namespace pelmora {

namespace {
// Names taken by earlier writers that crashed are skipped; this many in a row means something
// else is wrong with the folder.
constexpr unsigned maximumNameAttempts = 100;

std::string temporaryPathFor(const std::string& targetPath, unsigned attempt) {
    return targetPath + '.' + std::to_string(platform::currentProcessId()) + '-' +
           std::to_string(attempt) + ".tmp";
}
} // namespace

ReplacementFile::ReplacementFile(const char* targetPath)
    : operations_(platform::fileOperations()), targetPath_(targetPath) {}

ReplacementFile::~ReplacementFile() {
    discard();
}

bool ReplacementFile::create() {
    for (unsigned attempt = 0; attempt < maximumNameAttempts; ++attempt) {
        temporaryPath_ = temporaryPathFor(targetPath_, attempt);
        switch (operations_.createNewFile(temporaryPath_.c_str(), &file_)) {
        case platform::CreateResult::created:
            isOpen_ = true;
            isTemporaryOnDisk_ = true;
            return true;
        case platform::CreateResult::nameTaken:
            continue;
        case platform::CreateResult::failed:
            return false;
        }
    }
    return false;
}

bool ReplacementFile::write(const char* bytes, std::size_t count) {
    return isOpen_ && operations_.writeAll(file_, bytes, count);
}

bool ReplacementFile::commit() {
    if (!isOpen_) {
        return false;
    }
    // Synced before the move: without it, a power cut soon after the move can leave the target
    // empty or partly written on disk (the move reaching the disk before the data), which is
    // neither the old file nor the new one. The wait is the price of that promise.
    if (!operations_.syncToDisk(file_)) {
        return false;
    }
    isOpen_ = false;
    if (!operations_.close(file_)) {
        return false;
    }
    if (!operations_.replaceFile(temporaryPath_.c_str(), targetPath_.c_str())) {
        return false;
    }
    isTemporaryOnDisk_ = false;
    return true;
}

// The temporary file is being thrown away, so a failure to close or remove it changes nothing the
// caller could act on: the result already says the write failed.
void ReplacementFile::discard() {
    if (isOpen_) {
        isOpen_ = false;
        operations_.close(file_);
    }
    if (isTemporaryOnDisk_) {
        isTemporaryOnDisk_ = false;
        operations_.removeFile(temporaryPath_.c_str());
    }
}

} // namespace pelmora
