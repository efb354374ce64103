// nerolt_plugin_interface.h - the contract between the Nerolt host and any plug-in.
//
// Host and plug-in both compile this header. The host never links against a plug-in: it loads
// the library, finds the six plain exports declared at the bottom by name, creates one object
// through `createPlugin` and drives it through the virtual operations below. The host calls them
// through the object's table of virtual operations, so their ORDER is part of the binary
// interface: never reorder, insert or remove one.
#pragma once

#include "plugin_export.h"

class PELMORA_EXPORT NeroltPluginInterface {
public:
    // The host's binary interface lists these three members, so they are declared (and on
    // Windows exported) explicitly although there is nothing to construct or copy.
    NeroltPluginInterface() = default;
    NeroltPluginInterface(const NeroltPluginInterface&) = default;
    NeroltPluginInterface& operator=(const NeroltPluginInterface&) = default;

    // Slot 1. The host ends a plug-in object by deleting it through this base class.
    virtual ~NeroltPluginInterface() = default;

    // Slot 2. Called once by the host, after `createPlugin` and before any run hook.
    // False tells the host that this plug-in cannot work with it; the host then runs no hook.
    virtual bool initPlugin() = 0;

    // Slots 3 to 6: the run hooks, called on the host's thread one at a time. For each run the
    // host calls executePreRun at the start, executePreStep and executePostStep around every
    // time point, and executePostRun at the end. The result is true when the hook returned; the
    // host learns outcomes from its log, not from the result.
    virtual bool executePreRun() = 0;
    virtual bool executePreStep() = 0;
    virtual bool executePostStep() = 0;
    virtual bool executePostRun() = 0;
};

// The plain exports every plug-in library offers, as the host looks them up by name.
// They take no arguments and are called without any object.
using CreatePluginFunction = NeroltPluginInterface*(); // "createPlugin": a new object, or null
using PluginTextFunction = const char*();              // the five metadata texts, see below

// Names of the five metadata exports. Each returns static, NUL-terminated text that the host
// must neither modify nor free; it may call them at any time, before any object exists.
inline constexpr const char* kPluginMetadataExports[] = {
    "getPluginName", "getPluginVersion", "getHelpFile", "getPluginDescription", "getAuthor"};
