// Load and unload on Windows: DllMain. Returning FALSE on attach makes
// LoadLibrary fail.
#include <windows.h>

#include "lifecycle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        aiconv::LoadHook(true);
        return aiconv::AttachModule(instance) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        aiconv::DetachModule();
        aiconv::LoadHook(false);
        return TRUE;
    default:  // thread attach and detach need nothing
        return TRUE;
    }
}
