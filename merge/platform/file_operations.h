// file_operations.h - the platform layer through which the writer creates, fills and replaces
// files.
//
// This is the only place where the ROI file writer touches the operating system's file services.
// One implementation per platform: file_operations_posix.cpp (open/write/fsync/close/rename/unlink)
// and file_operations_windows.cpp (CreateFileA/WriteFile/FlushFileBuffers/CloseHandle/MoveFileExA/
// DeleteFileA). The writer reaches them through one table, so that tests can swap in a table that
// fails on purpose (file_operations_for_tests.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace pelmora::platform {

// An open file as the platform knows it: a descriptor on POSIX, a HANDLE on Windows.
using FileHandle = std::intptr_t;

enum class CreateResult {
    created,
    nameTaken, // something already exists under that name: try another
    failed,
};

// Every file service the writer uses. Each returns true (or `created`) only on full success.
struct FileOperations {
    // Creates a new, empty file for writing, only if nothing exists under `path` yet.
    CreateResult (*createNewFile)(const char* path, FileHandle* file);
    // Writes all `count` bytes; a short write counts as a failure.
    bool (*writeAll)(FileHandle file, const char* bytes, std::size_t count);
    // Waits until the file's contents are on the disk.
    bool (*syncToDisk)(FileHandle file);
    // Closes the file. The handle is released even when the result is false.
    bool (*close)(FileHandle file);
    // Puts the file `from` in place of `to` in one step; a file at `to` is replaced.
    bool (*replaceFile)(const char* from, const char* to);
    bool (*removeFile)(const char* path);
};

// The table in use: the system's own, unless a test has swapped it.
const FileOperations& fileOperations();

// The table of the system's own file services.
const FileOperations& systemFileOperations();

// Tells this process apart from others that may write beside the same target at the same time.
std::uint32_t currentProcessId();

} // namespace pelmora::platform
