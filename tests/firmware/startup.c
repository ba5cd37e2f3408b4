/* Start-up for the test programs on Cortex-M: the vector table, .data and
 * .bss set up, main called, its status reported by semihosting. Faults end
 * the program as failed. */
#include <stdint.h>
#include <string.h>

#include "semihosting.h"

extern uint32_t __data_load[], __data_start[], __data_end[], __bss_start[], __bss_end[], __stack_top[];
int main(void);

enum { kWrite0 = 0x04, kGetCommandLine = 0x15, kExit = 0x18 };
enum { kApplicationExit = 0x20026, kRunTimeError = 0x20023 };

static int Semihost(int operation, const void* argument) {
    register int r0 __asm__("r0") = operation;
    register const void* r1 __asm__("r1") = argument;
    __asm__ volatile("bkpt 0xab" : "+r"(r0) : "r"(r1) : "memory");
    return r0;
}

void HostWrite(const char* text) { Semihost(kWrite0, text); }

void HostWriteNumber(unsigned long value) {
    char text[12];
    char* p = text + sizeof text;
    *--p = '\0';
    do {
        *--p = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0);
    HostWrite(p);
}

int HostCommandLine(char* buffer, int size) {
    struct {
        char* buffer;
        int size;
    } block = {buffer, size};
    return Semihost(kGetCommandLine, &block) == 0;
}

void HostExit(int status) {
    /* With 32-bit semihosting the exit reason is the argument itself. */
    Semihost(kExit, (const void*)(uintptr_t)(status == 0 ? kApplicationExit : kRunTimeError));
    for (;;) {
    }
}

void ResetHandler(void) {
    memcpy(__data_start, __data_load, (size_t)((char*)__data_end - (char*)__data_start));
    memset(__bss_start, 0, (size_t)((char*)__bss_end - (char*)__bss_start));
#if defined(__ARM_FP)
    /* A core with an FPU must enable it before any floating-point instruction. */
    *(volatile uint32_t*)0xE000ED88 |= 0xFu << 20;
#endif
    HostExit(main());
}

static void Fault(void) {
    HostWrite("fault\n");
    HostExit(1);
}

__attribute__((section(".vectors"), used)) static void (*const kVectors[16])(void) = {
    (void (*)(void))__stack_top, ResetHandler, Fault, Fault, Fault, Fault, Fault, 0, 0, 0, 0, Fault, Fault, 0, Fault, Fault,
};
