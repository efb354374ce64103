// file_operations_for_tests.h - lets a test swap the writer's file services for failing ones.
//
// Not for the plug-in's own code: it always uses the system's services.
#pragma once

#include "file_operations.h"

namespace pelmora::platform {

// Makes fileOperations() return `operations` from now on; null restores the system's table.
// Not thread-safe: swap only while no file is being written.
void useFileOperationsForTests(const FileOperations* operations);

} // namespace pelmora::platform
