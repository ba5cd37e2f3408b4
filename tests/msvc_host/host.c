/* A host built for the MSVC ABI without any C runtime, linked by lld-link
 * against aiconverter.lib: its exit status says whether the answer was
 * right. */
#include <aiconverter.h>

__declspec(dllimport) void __stdcall ExitProcess(unsigned int code);

static int Same(const wchar_t* a, const wchar_t* b) {
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

void __stdcall Start(void) {
    ExitProcess(Same(AIConverter(L"10 km to mi"), L"10 km -> 6.213712 mi") ? 0 : 1);
}
