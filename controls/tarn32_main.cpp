// Library entry point: process attach loads the shared strings and registers the classes
// once; process detach unregisters them. Behind the exception barrier, as every callback.

#include <windows.h>

#include "controls/class_table.h"
#include "controls/library_data.h"
#include "framework/exception_barrier.h"

namespace tw {
namespace {

bool g_initialised = false;

BOOL AttachProcess(HINSTANCE module) {
    if (g_initialised) return TRUE;
    SetLibraryModule(module);
    if (!LoadLibraryStrings(module) || !RegisterControlClasses(module)) return FALSE;
    g_initialised = true;
    return TRUE;
}

void DetachProcess(HINSTANCE module) {
    if (!g_initialised) return;
    OutputDebugStringA("TARN32.DLL Unloading...\n");
    UnregisterControlClasses(module);
    g_initialised = false;
}

}  // namespace
}  // namespace tw

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return tw::CallWithBarrier(FALSE, [=] { return tw::AttachProcess(module); });
        case DLL_PROCESS_DETACH:
            return tw::CallWithBarrier(TRUE, [=] {  // the loader ignores the answer
                tw::DetachProcess(module);
                return TRUE;
            });
        default: return TRUE;
    }
}
