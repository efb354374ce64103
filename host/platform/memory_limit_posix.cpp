// memory_limit_posix.cpp - an address-space limit with setrlimit.
#include "memory_limit.h"

#include <cerrno>
#include <cstring>
#include <sys/resource.h>

bool limitAddressSpace(long mebibytes, std::string& reason) {
    const rlim_t bytes = static_cast<rlim_t>(mebibytes) * 1024 * 1024;
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}
