// plugin_exports.h - the plain (undecorated) exports of the Pelmora plug-in library.
//
// Exactly six functions cross the boundary by name; everything else the host reaches through
// the object that createPlugin returns.
#pragma once

#include "nerolt_plugin_interface.h"

// Called by the host whenever it wants a new plug-in object, usually once per session.
// The host owns the result and ends it by deleting it through NeroltPluginInterface.
// Returns null when memory runs out; no exception ever leaves this function.
PELMORA_C_EXPORT NeroltPluginInterface* createPlugin();

// Metadata, answered at any time without an object and without initPlugin.
// Each returns the same static text on every call.
PELMORA_C_EXPORT const char* getPluginName();
PELMORA_C_EXPORT const char* getPluginVersion();
PELMORA_C_EXPORT const char* getHelpFile();
PELMORA_C_EXPORT const char* getPluginDescription();
PELMORA_C_EXPORT const char* getAuthor();
