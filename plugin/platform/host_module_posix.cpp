// host_module_posix.cpp - finding the host executable with the dynamic linker (Linux, glibc).
//
// Windows finds "Nerolt.exe" by module file name and looks exports up in that one module. The
// same rules here: walk the dynamic linker's list of loaded objects (the main executable first),
// match the file name, and accept an export only when that very object defines it. dlsym alone
// would also search the object's dependencies and could hand us another library's symbol.
#include "host_module.h"

#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <sys/auxv.h>

namespace pelmora::platform {

namespace {
const char* fileNameOf(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

// "Nerolt.exe" also matches "Nerolt": the executable's name without the Windows suffix.
bool isWantedName(const char* candidate, const char* wanted) {
    if (std::strcmp(candidate, wanted) == 0) {
        return true;
    }
    const std::size_t wantedLength = std::strlen(wanted);
    const std::size_t suffixLength = std::strlen(".exe");
    return wantedLength > suffixLength &&
           std::strcmp(wanted + wantedLength - suffixLength, ".exe") == 0 &&
           std::strlen(candidate) == wantedLength - suffixLength &&
           std::strncmp(candidate, wanted, wantedLength - suffixLength) == 0;
}

bool isMainExecutable(const link_map* module) {
    return module->l_prev == nullptr;
}

// The dynamic linker records no name for the main executable; the kernel tells its path.
const char* pathOf(const link_map* module) {
    if (isMainExecutable(module)) {
        return reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    }
    return module->l_name;
}

// A dlopen handle for a module that is already loaded. RTLD_NOLOAD never loads anything; the
// reference it takes is given back by the caller's dlclose.
void* openLoaded(const link_map* module) {
    return isMainExecutable(module) ? dlopen(nullptr, RTLD_LAZY)
                                    : dlopen(module->l_name, RTLD_LAZY | RTLD_NOLOAD);
}
} // namespace

ModuleHandle findLoadedModule(const char* fileName) {
    void* mainProgram = dlopen(nullptr, RTLD_LAZY);
    if (mainProgram == nullptr) {
        return nullptr;
    }
    link_map* module = nullptr;
    if (dlinfo(mainProgram, RTLD_DI_LINKMAP, &module) != 0) {
        module = nullptr;
    }
    dlclose(mainProgram);

    for (; module != nullptr; module = module->l_next) {
        const char* path = pathOf(module);
        if (path != nullptr && isWantedName(fileNameOf(path), fileName)) {
            return module;
        }
    }
    return nullptr;
}

ExportAddress findModuleExport(ModuleHandle handle, const char* exportName) {
    const auto* module = static_cast<const link_map*>(handle);
    void* searchHandle = openLoaded(module);
    if (searchHandle == nullptr) {
        return nullptr;
    }
    void* address = dlsym(searchHandle, exportName);
    dlclose(searchHandle);
    if (address == nullptr) {
        return nullptr;
    }

    // Keep the address only when the module we were asked about defines it.
    Dl_info info{};
    link_map* definingModule = nullptr;
    if (dladdr1(address, &info, reinterpret_cast<void**>(&definingModule), RTLD_DL_LINKMAP) == 0 ||
        definingModule != module) {
        return nullptr;
    }
    return reinterpret_cast<ExportAddress>(address);
}

} // namespace pelmora::platform
