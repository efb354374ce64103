// plugin_library.h - loading a plug-in library and finding its exports (the host's side).
#pragma once

#include <string>

// A loaded plug-in library; unloaded when destroyed.
class PluginLibrary {
public:
    // Loads the library at `path`. On failure isLoaded() is false and error() says why.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool isLoaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }

    // The address of the export of this plain name, or null.
    void (*find(const char* name) const)();

private:
    void* handle_ = nullptr;
    std::string error_;
};
