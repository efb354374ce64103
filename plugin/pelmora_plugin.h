// pelmora_plugin.h - the Pelmora plug-in object that the host drives.
//
// The host creates it through createPlugin (plugin_exports.h), calls initPlugin once, runs the
// run hooks for as many runs as it performs and deletes it through NeroltPluginInterface.
// initPlugin is written in init_plugin.cpp; the four run hooks, which do the merge, in
// merge/run_hooks.cpp.
#pragma once

#include "../merge/roi_voxel.h"
#include "nerolt_plugin_interface.h"

#if defined(_MSC_VER)
// C4251: the private member's std::vector type has no DLL interface. The host never touches the
// member (it only sees NeroltPluginInterface), so the warning does not apply.
#pragma warning(push)
#pragma warning(disable : 4251)
#endif

class PELMORA_EXPORT PelmoraPlugin final : public NeroltPluginInterface {
public:
    PelmoraPlugin();
    // The object owns its voxel lists and the host never copies it.
    PelmoraPlugin(const PelmoraPlugin&) = delete;
    PelmoraPlugin& operator=(const PelmoraPlugin&) = delete;
    // Releases the gathered voxel lists. Never touches the shared host table.
    ~PelmoraPlugin() override;

    bool initPlugin() override;
    bool executePreRun() override;
    bool executePreStep() override;
    bool executePostStep() override;
    bool executePostRun() override;

private:
    // The voxels gathered by executePostRun: empty until the first completed run, then exactly
    // one list ("list 0") holding the voxels of the latest gathering.
    RoiVoxelLists roiVoxelLists;

    friend struct PelmoraPluginProbe; // lets the tests read roiVoxelLists
};

#if defined(_MSC_VER)
#pragma warning(pop)
#endif
