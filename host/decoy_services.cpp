// decoy_services.cpp - a library that exports a host service name without being the host.
//
// Loaded by a test build of the host that lacks tGetVersionOfNerolt: a plug-in that looked the
// name up anywhere but in the host executable would find this one and accept version 99.0.0.
#include "host_export.h"

NEROLT_SERVICE void tGetVersionOfNerolt(int* major, int* minor, int* subVersion) {
    *major = 99;
    *minor = 0;
    *subVersion = 0;
}

// The host calls this so that the linker keeps the library as a dependency.
NEROLT_SERVICE int neroltDecoyLoaded() {
    return 1;
}
