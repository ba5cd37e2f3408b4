// The framework stand-in's DLL entry where no C runtime supplies one
// (Windows on ARM built with LLVM): its state is all constant-initialised,
// so loading and unloading need nothing.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE /*instance*/, DWORD /*reason*/, LPVOID /*reserved*/) {
    return TRUE;
}
