// dll_entry_windows.cpp - the Windows entry routine of the plug-in library.
//
// Loading and unloading the library run none of the plug-in's own code: the routine accepts every
// notification (process and thread attach and detach) and does nothing. No module-level object of
// the plug-in needs construction either, so there is nothing for the loader to run.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
