/* Queries with characters that one ANSI code page holds and another lacks,
 * and the one answer each has on every platform and code page: a character
 * the code page lacks becomes '?', never a look-alike digit, sign or letter.
 * Shared by the C++ suite and the C host of the Windows builds that have no
 * C++ runtime. Compiles as C99 and C++. */
#ifndef AICONV_CODE_PAGE_CASES_H
#define AICONV_CODE_PAGE_CASES_H

#include <wchar.h>

struct CodePageCase {
    const wchar_t* query;
    const wchar_t* answer;
};

#define AICONV_BAD_UNITS L"ERROR: could not parse units or arrow"
#define AICONV_BAD_NUMBER L"ERROR: could not parse number"
#define AICONV_CONVERTED L"10 km -> 6.213712 mi"

static const struct CodePageCase kCodePageCases[] = {
    {L"10\u00B2 m to cm", AICONV_BAD_UNITS},      /* superscript two: not the digit 2 */
    {L"2\u00B3 m3 to l", AICONV_BAD_UNITS},
    {L"\u00AD10 km to mi", AICONV_BAD_NUMBER},     /* soft hyphen: not a minus sign */
    {L"\u2081\u2080 m to cm", AICONV_BAD_NUMBER},  /* subscript digits */
    {L"\u221240 c to f", AICONV_BAD_NUMBER},       /* minus sign: not '-' */
    {L"\uFF11\uFF10 km to mi", AICONV_BAD_NUMBER}, /* fullwidth digits */
    {L"5 kg to \u00B5g", AICONV_BAD_UNITS},        /* no microgram unit */
    {L"10 km to mi \u00E9", AICONV_CONVERTED},     /* after the target: ignored, */
    {L"10 km to mi \u0416", AICONV_CONVERTED},     /* whether the code page holds it */
    {L"10 km to mi \u4E2D\u6587", AICONV_CONVERTED},
};

#endif
