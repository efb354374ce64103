// plugin_exports.cpp - the factory and the five metadata texts.
#include "plugin_exports.h"

#include "pelmora_plugin.h"

#include <new>

namespace {
const char kDescriptionText[] =
    "This simple plugin shows how to access Nerolt data for custom processing at each time step "
    "during real-time processing. Use its source code to get started with writing your own "
    "plugins.<br>";

// The description is reached through a writable pointer to the constant text, so that a plug-in
// derived from this one can point it elsewhere before the host asks. Pelmora never does.
const char* pluginDescription = kDescriptionText;
} // namespace

NeroltPluginInterface* createPlugin() {
    // The nothrow form yields null instead of throwing std::bad_alloc, and the constructor
    // cannot throw: the host gets an object or null, never an exception across the boundary.
    return new (std::nothrow) PelmoraPlugin();
}

const char* getPluginName() {
    return "Pelmora";
}
const char* getPluginVersion() {
    return "1.0";
}
const char* getHelpFile() {
    return "PelmoraPluginHelpindex.html";
}
const char* getPluginDescription() {
    return pluginDescription;
}
const char* getAuthor() {
    return "<i>Teodora Vasskin</i>, Quillmere Labs";
}
