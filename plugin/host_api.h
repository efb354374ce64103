// host_api.h - the plug-in's table of host entry points.
//
// One table per loaded library, shared by every PelmoraPlugin object. All entries are null when
// the library is loaded; each initPlugin (on any object) looks them up again by name, and nothing
// ever clears them. The run hooks reach the host only through this table.
#pragma once

#include "nerolt_host_services.h"

namespace pelmora {

// The 42 entries, in the host's table order. Each holds the address of the host export of the
// same name, or null when the host lacks it or no look-up has reached it yet.
struct HostApi {
#define PELMORA_TYPED_ENTRY(name, Signature) Signature* name;
#define PELMORA_UNTYPED_ENTRY(name) UncalledHostService* name;
    NEROLT_HOST_SERVICES(PELMORA_TYPED_ENTRY, PELMORA_UNTYPED_ENTRY)
#undef PELMORA_TYPED_ENTRY
#undef PELMORA_UNTYPED_ENTRY
};

// The module-wide table. Zero-initialised at load, so no code runs to construct it.
extern HostApi hostApi;

// Fills hostApi from the running host executable ("Nerolt.exe"). Returns false, with the table
// unchanged, when that module is not in the process; returns false after storing a null first
// entry when it lacks tGetVersionOfNerolt. Otherwise looks up entries 2 to 42 in order, storing
// null for each export the host lacks, and returns true. Called by initPlugin only.
bool loadHostApi();

} // namespace pelmora
