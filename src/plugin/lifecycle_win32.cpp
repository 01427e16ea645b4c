#include <windows.h>

#include "plugin/lifecycle.h"

// DllMain runs under the loader lock: it loads no library, starts or joins no
// thread and waits on nothing unbounded. At FreeLibrary the companion windows
// are asked to close with a bounded wait (a companion thread that needs the
// loader lock cannot deadlock the host); when the process terminates
// (reserved != NULL) the other threads are already gone and nothing is done.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH) OnLibraryUnload(reserved != nullptr);
    return TRUE;
}
