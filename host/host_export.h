// host_export.h - how the stand-in host exports its services to plug-ins.
//
// Plug-ins find the services by name among the executable's exports: on Windows the exe's export
// table (dllexport), on Linux its dynamic symbol table (the executable is linked with
// ENABLE_EXPORTS and everything else is hidden).
#pragma once

#if defined(_WIN32)
#define NEROLT_SERVICE extern "C" __declspec(dllexport)
#else
#define NEROLT_SERVICE extern "C" __attribute__((visibility("default")))
#endif
