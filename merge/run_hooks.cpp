// run_hooks.cpp - the run hooks of the plug-in object.
#include "../plugin/pelmora_plugin.h"

bool PelmoraPlugin::executePreRun() {
    return true;
}
bool PelmoraPlugin::executePreStep() {
    return true;
}
bool PelmoraPlugin::executePostStep() {
    return true;
}
bool PelmoraPlugin::executePostRun() {
    return true;
}
