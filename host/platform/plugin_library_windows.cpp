// plugin_library_windows.cpp - loading plug-ins with LoadLibrary.
#include "plugin_library.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

PluginLibrary::PluginLibrary(const std::string& path) {
    // No error dialog boxes from the loader: a missing DLL is reported in text.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    handle_ = LoadLibraryA(path.c_str());
    SetErrorMode(previousMode);
    if (handle_ == nullptr) {
        const DWORD code = GetLastError();
        char message[512] = {};
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       message, sizeof message, nullptr);
        error_ = "Windows error " + std::to_string(code) + ": " + message;
        while (!error_.empty() && (error_.back() == '\n' || error_.back() == '\r')) {
            error_.pop_back();
        }
    }
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr) {
        FreeLibrary(static_cast<HMODULE>(handle_));
    }
}

void (*PluginLibrary::find(const char* name) const)() {
    return reinterpret_cast<void (*)()>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}
