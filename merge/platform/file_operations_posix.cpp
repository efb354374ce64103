// file_operations_posix.cpp - the writer's file services on POSIX systems.
#include "file_operations.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace pelmora::platform {

namespace {
int descriptorOf(FileHandle file) {
    return static_cast<int>(file);
}

CreateResult createNewFile(const char* path, FileHandle* file) {
    // O_EXCL: never open a file that someone else created. O_CLOEXEC: a child the host starts
    // while we write must not inherit the descriptor. The umask decides the permissions, as for
    // any other file the host's user creates.
    const int descriptor = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return errno == EEXIST ? CreateResult::nameTaken : CreateResult::failed;
    }
    *file = descriptor;
    return CreateResult::created;
}

bool writeAll(FileHandle file, const char* bytes, std::size_t count) {
    // write() may take fewer bytes than asked (a signal, or a file size limit reached part way);
    // the rest is offered again, and the next call then reports the error.
    while (count > 0) {
        const ssize_t written = ::write(descriptorOf(file), bytes, count);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool syncToDisk(FileHandle file) {
    return ::fsync(descriptorOf(file)) == 0;
}

// Linux releases the descriptor even when close() fails (EINTR included), so it is never retried.
// A failure here can be a write error reported late (network file systems do that).
bool close(FileHandle file) {
    return ::close(descriptorOf(file)) == 0;
}

// rename() replaces the target in one step: any reader sees the old file or the new one.
bool replaceFile(const char* from, const char* to) {
    return std::rename(from, to) == 0;
}

bool removeFile(const char* path) {
    return ::unlink(path) == 0;
}

constexpr FileOperations systemOperations{createNewFile, writeAll,    syncToDisk,
                                          close,         replaceFile, removeFile};
} // namespace

const FileOperations& systemFileOperations() {
    return systemOperations;
}

std::uint32_t currentProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

} // namespace pelmora::platform
