// pelmora_plugin.cpp - construction and destruction of the plug-in object.
#include "pelmora_plugin.h"

PelmoraPlugin::PelmoraPlugin() = default;

// The vector releases every voxel list, first to last, and then its own storage.
PelmoraPlugin::~PelmoraPlugin() = default;
