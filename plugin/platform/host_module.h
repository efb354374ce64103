// host_module.h - the platform layer that finds the host executable and its exports.
//
// This is the only place where the plug-in touches the operating system's module services.
// One implementation per platform: host_module_windows.cpp (GetModuleHandleA/GetProcAddress)
// and host_module_posix.cpp (the dynamic linker). Tests swap in a fake host through this seam.
#pragma once

namespace pelmora::platform {

// An opaque reference to a module already loaded in this process.
using ModuleHandle = const void*;
// A function address of unknown signature; the caller casts it to the export's real type.
using ExportAddress = void (*)();

// Returns the module of this file name that is already loaded in the process (the main
// executable included), or null when there is none. Loads nothing and keeps nothing loaded.
// On POSIX the name also matches without a trailing ".exe".
ModuleHandle findLoadedModule(const char* fileName);

// Returns the address of the export of exactly this name that `module` itself defines, or null.
// A symbol of the same name defined by any other module is never returned.
ExportAddress findModuleExport(ModuleHandle module, const char* exportName);

} // namespace pelmora::platform
