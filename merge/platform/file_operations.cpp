// file_operations.cpp - which table of file services the writer uses.
#include "file_operations_for_tests.h"

namespace pelmora::platform {

namespace {
// Null means the system's table. A plain pointer that is null at load: no code runs to set it up,
// so it is valid even before any static constructor has run.
const FileOperations* swappedOperations = nullptr;
} // namespace

const FileOperations& fileOperations() {
    return swappedOperations != nullptr ? *swappedOperations : systemFileOperations();
}

void useFileOperationsForTests(const FileOperations* operations) {
    swappedOperations = operations;
}

} // namespace pelmora::platform
