// memory_limit_windows.cpp - no address-space limit on Windows.
#include "memory_limit.h"

bool limitAddressSpace(long, std::string& reason) {
    // A 32-bit process runs out of address space near 2 GiB by itself; that is the limit there.
    reason = "not available on Windows (a 32-bit host runs out near 2 GiB by itself)";
    return false;
}
