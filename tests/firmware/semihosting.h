// Output and exit on a bare-metal target under a debugger or qemu: ARM
// semihosting (a BKPT 0xAB with the operation in r0).
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

void HostWrite(const char* text);
void HostWriteNumber(unsigned long value);
// Copies the command line the host gives (qemu: -semihosting-config's
// arg= words, or the kernel's path and -append) into buffer, NUL-terminated;
// 0 when there is none or it does not fit.
int HostCommandLine(char* buffer, int size);
// Ends the program: status 0 as a normal exit, anything else as a failure.
void HostExit(int status) __attribute__((noreturn));

#ifdef __cplusplus
}
#endif
