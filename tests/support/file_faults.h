// file_faults.h - makes one of the writer's file operations fail on purpose.
//
// The writer reaches the file system through a table of operations (merge/platform/); a test
// swaps in a table that fails the k-th call of one operation, that call alone or every call from
// it on, and otherwise does what the system does.
#pragma once

#include "platform/file_operations.h"

#include <ostream>

namespace file_faults {

enum class Operation { create, write, sync, close, replace, remove };
enum class Persistence { once, fromThenOn };

// Readable test names and messages.
void PrintTo(Operation operation, std::ostream* out);
void PrintTo(Persistence persistence, std::ostream* out);

struct Fault {
    Operation operation;
    int failingCall; // counted from 1
    Persistence persistence;
    pelmora::platform::CreateResult failedCreate = pelmora::platform::CreateResult::failed;
    int calls = 0;
    bool injected = false; // whether the failing call came
};

// Routes the writer's file operations through `fault` for as long as it lives.
class InjectedFault {
public:
    explicit InjectedFault(Fault& fault);
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
};

} // namespace file_faults
