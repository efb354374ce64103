// file_faults.cpp - the failing table of file operations.
#include "file_faults.h"

#include "platform/file_operations_for_tests.h"

namespace file_faults {

namespace {
using pelmora::platform::FileHandle;
using pelmora::platform::FileOperations;
using pelmora::platform::systemFileOperations;

Fault* activeFault = nullptr;

bool failsNow(Operation operation) {
    if (activeFault == nullptr || activeFault->operation != operation) {
        return false;
    }
    const int call = ++activeFault->calls;
    const bool fails = activeFault->persistence == Persistence::once
                           ? call == activeFault->failingCall
                           : call >= activeFault->failingCall;
    activeFault->injected = activeFault->injected || fails;
    return fails;
}

// Each failing operation does what the real one does on failure: it leaves the disk as it was,
// except close, which releases the file even when it reports an error.
const FileOperations faultyOperations{
    [](const char* path, FileHandle* file) {
        return failsNow(Operation::create) ? activeFault->failedCreate
                                           : systemFileOperations().createNewFile(path, file);
    },
    [](FileHandle file, const char* bytes, std::size_t count) {
        return !failsNow(Operation::write) && systemFileOperations().writeAll(file, bytes, count);
    },
    [](FileHandle file) {
        return !failsNow(Operation::sync) && systemFileOperations().syncToDisk(file);
    },
    [](FileHandle file) {
        const bool fails = failsNow(Operation::close);
        return systemFileOperations().close(file) && !fails;
    },
    [](const char* from, const char* to) {
        return !failsNow(Operation::replace) && systemFileOperations().replaceFile(from, to);
    },
    [](const char* path) {
        return !failsNow(Operation::remove) && systemFileOperations().removeFile(path);
    },
};
} // namespace

void PrintTo(Operation operation, std::ostream* out) {
    static const char* const names[] = {"Create", "Write", "Sync", "Close", "Replace", "Remove"};
    *out << names[static_cast<int>(operation)];
}

void PrintTo(Persistence persistence, std::ostream* out) {
    *out << (persistence == Persistence::once ? "FailsOnce" : "FailsFromThenOn");
}

InjectedFault::InjectedFault(Fault& fault) {
    activeFault = &fault;
    pelmora::platform::useFileOperationsForTests(&faultyOperations);
}

InjectedFault::~InjectedFault() {
    pelmora::platform::useFileOperationsForTests(nullptr);
    activeFault = nullptr;
}

} // namespace file_faults
