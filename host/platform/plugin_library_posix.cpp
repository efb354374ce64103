// plugin_library_posix.cpp - loading plug-ins with dlopen.
#include "plugin_library.h"

#include <dlfcn.h>

PluginLibrary::PluginLibrary(const std::string& path) {
    // A path without a slash would make dlopen search the library path instead of the folder.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    // RTLD_LOCAL: the plug-in's own symbols stay its own and cannot stand in for the host's.
    handle_ = dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        error_ = reason != nullptr ? reason : "unknown error";
    }
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

void (*PluginLibrary::find(const char* name) const)() {
    return reinterpret_cast<void (*)()>(dlsym(handle_, name));
}
