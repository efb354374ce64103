// memory_limit.h - making allocations fail early, to see how a plug-in copes.
#pragma once

#include <string>

// Limits the process's address space to `mebibytes`. Returns false with a reason when the
// platform cannot.
bool limitAddressSpace(long mebibytes, std::string& reason);
