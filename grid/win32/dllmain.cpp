// dtbl32.dll entry point: the DataTbl32 class is registered while the library is loaded.
#include <windows.h>

#include "grid/win32/grid_window.h"

extern "C" {

// Version of the grid library: major in the high word, minor in the low word.
DWORD __stdcall dtblGetVersion(void) { return 0x00010000; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        return tw::grid::RegisterGridClass(instance) ? TRUE : FALSE;
    }
    if (reason == DLL_PROCESS_DETACH) tw::grid::UnregisterGridClass(instance);
    return TRUE;
}

}  // extern "C"
