// init_plugin.cpp - linking the plug-in to its host, and the host version gate.
#include "host_api.h"
#include "pelmora_plugin.h"

namespace {
// The oldest host this plug-in works with is 3.0.0. The triple is compared element by element
// from the left, with signed comparisons, so (3, 1, -5) passes and (3, 0, -1) does not.
bool isSupportedHostVersion(int major, int minor, int subVersion) {
    if (major != 3) {
        return major > 3;
    }
    if (minor != 0) {
        return minor > 0;
    }
    return subVersion >= 0;
}
} // namespace

// Called by the host once, before any run hook. Fills the shared host table (which stays filled
// even when the host is refused) and accepts hosts of version 3.0.0 or later. Logs nothing.
bool PelmoraPlugin::initPlugin() {
    try {
        if (!pelmora::loadHostApi()) {
            return false;
        }
        // Zero until the host writes them, so a host that writes nothing reads as 0.0.0: refused.
        int major = 0;
        int minor = 0;
        int subVersion = 0;
        pelmora::hostApi.tGetVersionOfNerolt(&major, &minor, &subVersion);
        return isSupportedHostVersion(major, minor, subVersion);
    } catch (...) {
        // Nothing may leave a hook toward the host; a host we cannot check is not accepted.
        return false;
    }
}
