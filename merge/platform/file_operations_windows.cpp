// file_operations_windows.cpp - the writer's file services on Windows.
#include "file_operations.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace pelmora::platform {

namespace {
HANDLE handleOf(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

CreateResult createNewFile(const char* path, FileHandle* file) {
    // CREATE_NEW: never open a file that someone else created. No sharing: nobody reads a file
    // that is only half written.
    const HANDLE handle = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? CreateResult::nameTaken
                                                                           : CreateResult::failed;
    }
    *file = reinterpret_cast<FileHandle>(handle);
    return CreateResult::created;
}

bool writeAll(FileHandle file, const char* bytes, std::size_t count) {
    // A write to a disk file takes every byte or fails, so a short count means a failure that was
    // not reported as one (Wine does that when the disk is full): it is taken as a failure.
    constexpr std::size_t largestWrite = 1u << 30;
    while (count > 0) {
        const DWORD toWrite = static_cast<DWORD>(count < largestWrite ? count : largestWrite);
        DWORD written = 0;
        if (!WriteFile(handleOf(file), bytes, toWrite, &written, nullptr) || written != toWrite) {
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

bool syncToDisk(FileHandle file) {
    return FlushFileBuffers(handleOf(file)) != 0;
}

bool close(FileHandle file) {
    return CloseHandle(handleOf(file)) != 0;
}

// Replaces the target in one step. MOVEFILE_WRITE_THROUGH returns only once the move itself is
// on the disk.
bool replaceFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFile(const char* path) {
    return DeleteFileA(path) != 0;
}

constexpr FileOperations systemOperations{createNewFile, writeAll,    syncToDisk,
                                          close,         replaceFile, removeFile};
} // namespace

const FileOperations& systemFileOperations() {
    return systemOperations;
}

std::uint32_t currentProcessId() {
    return static_cast<std::uint32_t>(GetCurrentProcessId());
}

} // namespace pelmora::platform
