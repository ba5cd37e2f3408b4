/* Windows-1252's bytes 0x80-0x9F as the characters they stand for, in byte
 * order; the rest of the code page is Latin-1. The one copy of the table:
 * the module's narrowing (code_page_1252.cpp) and the firmware's golden
 * test include it, and the npm package's script writes it into the
 * JavaScript module (wasm/make_package.mjs). C and C++. */
#ifndef AICONV_WINDOWS_1252_H
#define AICONV_WINDOWS_1252_H

#define AICONV_WINDOWS_1252_HIGH_CONTROLS                                                        \
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,      \
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, \
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178

#endif /* AICONV_WINDOWS_1252_H */
