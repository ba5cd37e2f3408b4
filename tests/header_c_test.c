/* The public header must compile as C, and a C host must be able to call. */
#include <aiconverter.h>

#include <stdio.h>
#include <wchar.h>

int main(void) {
    const wchar_t* answer = AIConverter(L"10 km to mi");
    if (wcscmp(answer, L"10 km -> 6.213712 mi") != 0) {
        fputs("unexpected answer\n", stderr);
        return 1;
    }
    return wcsncmp(AIConverter(0), L"ERROR: ", 7) == 0 ? 0 : 1;
}
