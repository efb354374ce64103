// host_calls.h - how the hooks call the host: never through a missing entry.
//
// The host table may hold null entries: initPlugin has not run yet, or the host lacks an export.
// A hook asks for each service at the moment it needs it; a missing one ends the hook with the
// log line "<b>Host service missing: NAME</b>" (see hook_guard.h) instead of a call through null.
#pragma once

#include "host_api.h"

#include <exception>

namespace pelmora {

// Thrown when a hook needs a host service that the table does not hold.
class MissingHostService : public std::exception {
public:
    explicit MissingHostService(const char* serviceName) : serviceName_(serviceName) {}
    const char* what() const noexcept override { return serviceName_; }

private:
    const char* serviceName_;
};

template <typename Signature>
Signature& requireHostService(Signature* entry, const char* serviceName) {
    if (entry == nullptr) {
        throw MissingHostService(serviceName);
    }
    return *entry;
}

// Shows one line in the host's log. Only called once the hook guard has checked tLogText.
inline void logText(const char* text) {
    hostApi.tLogText(text);
}

} // namespace pelmora

// The host service of this name, ready to call: PELMORA_HOST(tGetNrOfROIs)().
#define PELMORA_HOST(name) ::pelmora::requireHostService(::pelmora::hostApi.name, #name)
