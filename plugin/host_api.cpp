// host_api.cpp - finding the host's services by name.
#include "host_api.h"

#include "platform/host_module.h"

namespace pelmora {

HostApi hostApi{};

namespace {
// The module name as the host executable carries it on Windows; the platform layer also accepts
// it without the ".exe" suffix, the name of the stand-in host on Linux.
constexpr const char kHostModuleName[] = "Nerolt.exe";

template <typename Signature>
void lookUp(platform::ModuleHandle host, const char* name, Signature*& entry) {
    entry = reinterpret_cast<Signature*>(platform::findModuleExport(host, name));
}
} // namespace

bool loadHostApi() {
    const platform::ModuleHandle host = platform::findLoadedModule(kHostModuleName);
    if (host == nullptr) {
        return false;
    }

    // Without the version service the host cannot be checked, so nothing else is looked up.
    lookUp(host, "tGetVersionOfNerolt", hostApi.tGetVersionOfNerolt);
    if (hostApi.tGetVersionOfNerolt == nullptr) {
        return false;
    }

    // Entries 2 to 42, in table order. A missing export is stored as null and is not a failure:
    // the hooks check the entries they need before they call them.
#define PELMORA_LOOK_UP_TYPED(name, Signature) lookUp(host, #name, hostApi.name);
#define PELMORA_LOOK_UP_UNTYPED(name) lookUp(host, #name, hostApi.name);
    NEROLT_OTHER_SERVICES(PELMORA_LOOK_UP_TYPED, PELMORA_LOOK_UP_UNTYPED)
#undef PELMORA_LOOK_UP_TYPED
#undef PELMORA_LOOK_UP_UNTYPED
    return true;
}

} // namespace pelmora
