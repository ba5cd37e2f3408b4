/* The golden set on the target: each query, narrowed from UTF-8 to
 * Windows-1252 as the Linux library narrows wide text, goes through
 * AIConverterText and through AIConverterTextInto (into a buffer of the
 * promised capacity) and must give the native library's answer both ways.
 * Also measures the deepest stack of a conversion by painting the stack
 * first. Exits non-zero on any difference, or when the stack passes its
 * budget. */
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "aiconverter_text.h"
#include "module/windows_1252.h"
#include "semihosting.h"

extern const unsigned char kGolden[];  /* golden.tsv, generated at build time */
extern const size_t kGoldenSize;
extern uint32_t __stack_limit[];

enum { kStackBudget = 1536, kPaint = 0xA5A5A5A5u };

static const uint16_t kHighControls[32] = {AICONV_WINDOWS_1252_HIGH_CONTROLS};

/* Beyond the 999 bytes read, more changes nothing; a few more are kept so
 * that the entry's own cut is what is tested. */
static char Query[1200];
static char Expected[300];

static unsigned char ToByte(uint32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return (unsigned char)c;
    for (unsigned i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) return (unsigned char)(0x80 + i);
    }
    return '?';
}

/* UTF-8 in [p, end) to Windows-1252 in Query; returns its length. */
static size_t Narrow(const unsigned char* p, const unsigned char* end) {
    size_t n = 0;
    while (p < end && n < sizeof Query - 1) {
        uint32_t c = *p++;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (more) c &= 0x3Fu >> more;
        for (; more > 0 && p < end; --more) c = (c << 6) | (*p++ & 0x3Fu);
        Query[n++] = (char)ToByte(c);
    }
    Query[n] = '\0';
    return n;
}

static uintptr_t StackPointer(void) {
    uintptr_t sp;
    __asm__ volatile("mov %0, sp" : "=r"(sp));
    return sp;
}

int main(void) {
    /* Paint the free stack below this frame, leaving a margin for it. */
    const uintptr_t top = StackPointer() - 64;
    for (uint32_t* w = __stack_limit; (uintptr_t)w < top; ++w) *w = kPaint;

    unsigned long passed = 0, failed = 0;
    uintptr_t callSp = 0;
    const unsigned char* p = kGolden;
    const unsigned char* const end = kGolden + kGoldenSize;
    while (p < end) {
        const unsigned char* tab = memchr(p, '\t', (size_t)(end - p));
        const unsigned char* eol = memchr(p, '\n', (size_t)(end - p));
        if (tab == NULL || eol == NULL || tab > eol) break;
        const size_t queryLength = Narrow(p, tab);
        const size_t answerLength = (size_t)(eol - tab - 1);
        memcpy(Expected, tab + 1, answerLength < sizeof Expected ? answerLength : sizeof Expected - 1);
        Expected[answerLength < sizeof Expected ? answerLength : sizeof Expected - 1] = '\0';
        callSp = StackPointer();
        const char* answer = AIConverterText(Query);
        char into[AICONVERTER_TEXT_ANSWER_CAPACITY];
        const size_t intoLength = AIConverterTextInto(Query, queryLength, into, sizeof into);
        if (strcmp(answer, Expected) == 0 && strcmp(into, Expected) == 0 && intoLength == answerLength) {
            ++passed;
        } else if (++failed <= 10) {
            HostWrite("differs: \"");
            HostWrite(Query);
            HostWrite("\" answers \"");
            HostWrite(answer);
            HostWrite("\" (into a buffer: \"");
            HostWrite(into);
            HostWrite("\"), the golden set says \"");
            HostWrite(Expected);
            HostWrite("\"\n");
        }
        p = eol + 1;
    }
    if (AIConverterText(NULL)[0] != 'E') ++failed;  /* "ERROR: null input" */

    const uint32_t* w = __stack_limit;
    while ((uintptr_t)w < top && *w == kPaint) ++w;
    const unsigned long stack = (unsigned long)(callSp - (uintptr_t)w);
    HostWrite("deepest stack of a conversion: ");
    HostWriteNumber(stack);
    HostWrite(" bytes (budget ");
    HostWriteNumber(kStackBudget);
    HostWrite(")\ngolden set on the target: ");
    HostWriteNumber(passed);
    HostWrite(" passed, ");
    HostWriteNumber(failed);
    HostWrite(" failed\n");
    return failed != 0 || passed < 2000 || stack > kStackBudget;
}
