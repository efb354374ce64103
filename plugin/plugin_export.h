// plugin_export.h - how the plug-in marks what the host may see.
//
// The plug-in library hides every symbol by default (hidden visibility on Linux, no export on
// Windows). Only what carries one of these markers crosses the boundary to the host:
//   PELMORA_EXPORT    on a class: its members (and, on Windows, its decorated names) are exported;
//   PELMORA_C_EXPORT  on a function: exported under its plain, undecorated name.
// The markers only take effect while the plug-in itself is compiled (PELMORA_BUILDING_PLUGIN);
// a host that includes the shared interface header sees plain declarations.
#pragma once

#if defined(PELMORA_BUILDING_PLUGIN)
#if defined(_WIN32)
#define PELMORA_EXPORT __declspec(dllexport)
#else
#define PELMORA_EXPORT __attribute__((visibility("default")))
#endif
#else
#define PELMORA_EXPORT
#endif

#define PELMORA_C_EXPORT extern "C" PELMORA_EXPORT
