// plugin_probe.h - what the tests read of the plug-in's inner state.
#pragma once

#include "host_api.h"
#include "pelmora_plugin.h"

#include <array>
#include <cstring>

struct PelmoraPluginProbe {
    static const RoiVoxelLists& voxelLists(const PelmoraPlugin& plugin) {
        return plugin.roiVoxelLists;
    }
};

// The host table as 42 addresses, in table order, for comparing before and after.
using HostApiEntries = std::array<void (*)(), 42>;
static_assert(sizeof(pelmora::HostApi) == sizeof(HostApiEntries),
              "the host table holds exactly 42 entries");

inline HostApiEntries hostApiEntries() {
    HostApiEntries entries{};
    std::memcpy(entries.data(), &pelmora::hostApi, sizeof entries);
    return entries;
}

inline void setHostApiEntries(const HostApiEntries& entries) {
    std::memcpy(&pelmora::hostApi, entries.data(), sizeof entries);
}
