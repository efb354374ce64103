// host_module_windows.cpp - finding the host executable with the Windows module services.
#include "host_module.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace pelmora::platform {

ModuleHandle findLoadedModule(const char* fileName) {
    // GetModuleHandleA only looks at modules already loaded and takes no reference.
    return GetModuleHandleA(fileName);
}

ExportAddress findModuleExport(ModuleHandle module, const char* exportName) {
    // GetProcAddress searches the export table of this one module only.
    HMODULE handle = static_cast<HMODULE>(const_cast<void*>(module));
    return reinterpret_cast<ExportAddress>(GetProcAddress(handle, exportName));
}

} // namespace pelmora::platform
