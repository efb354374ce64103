// replacement_file.h - a new file that takes the place of the file at a path in one step.
#pragma once

#include "platform/file_operations.h"

#include <cstddef>
#include <string>

namespace pelmora {

// Writes go to a temporary file in the target's own folder (so the final move never crosses file
// systems); commit() then puts it in place of the target at once. Until then the target is left
// exactly as it was. A replacement that is not committed removes its temporary file when it is
// destroyed, whatever made it stop.
//
// The temporary file is named "<target>.<process id>-<attempt>.tmp". It is created only if that
// name is free, so two writers never share one; a taken name (left by a writer that crashed) is
// skipped for the next attempt number.
class ReplacementFile {
public:
    explicit ReplacementFile(const char* targetPath);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file. False when it could not be created.
    bool create();
    // Appends to the temporary file. False when not every byte was written.
    bool write(const char* bytes, std::size_t count);
    // Syncs the temporary file to disk, closes it and moves it in place of the target. False when
    // any step failed; the target is then untouched and the temporary file is removed.
    bool commit();

private:
    void discard();

    const platform::FileOperations& operations_;
    std::string targetPath_;
    std::string temporaryPath_;
    platform::FileHandle file_ = 0;
    bool isOpen_ = false;
    bool isTemporaryOnDisk_ = false;
};

} // namespace pelmora
