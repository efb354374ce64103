// hook_guard.h - the boundary between a hook and the host.
//
// Whatever goes wrong inside a hook (memory running out while a list grows, an out-of-range
// error, a host service that is missing) must not reach the host as an exception: the host is a
// real-time analysis program, and an exception crossing into it ends the user's session. The
// guard turns each into one log line and the hook's usual result, true.
#pragma once

#include "host_calls.h"

#include <cstdio>
#include <exception>

namespace pelmora {

namespace detail {
// Formats without allocating: the error may be that memory ran out.
inline void logFailure(const char* before, const char* detail, const char* after) noexcept {
    try {
        char line[kHostTextBufferSize];
        std::snprintf(line, sizeof line, "%s%s%s", before, detail, after);
        logText(line);
    } catch (...) {
        // The host's log itself failed; there is no one left to tell.
    }
}
} // namespace detail

// Runs a hook's body. Without tLogText the plug-in cannot tell the user anything, so the hook
// does nothing. Always returns true, the result every run hook gives.
template <typename Body>
bool guardHook(Body&& body) noexcept {
    if (hostApi.tLogText == nullptr) {
        return true;
    }
    try {
        body();
    } catch (const MissingHostService& missing) {
        detail::logFailure("<b>Host service missing: ", missing.what(), "</b>");
    } catch (const std::exception& error) {
        detail::logFailure("<b>Plugin error:</b> ", error.what(), "");
    } catch (...) {
        detail::logFailure("<b>Plugin error:</b> ", "an unknown error", "");
    }
    return true;
}

} // namespace pelmora
