#include <windows.h>

#include "plugin/lifecycle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    // reserved != NULL: the process is terminating and its other threads are gone.
    if (reason == DLL_PROCESS_DETACH) OnLibraryUnload(reserved != nullptr);
    return TRUE;
}
