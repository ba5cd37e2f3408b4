/* Cortex-M33 on qemu's mps2-an505, secure addresses: code memory at
 * 0x10000000, data memory at 0x38000000. */
MEMORY
{
    FLASH (rx) : ORIGIN = 0x10000000, LENGTH = 4M
    RAM (rwx) : ORIGIN = 0x38000000, LENGTH = 64K
}
INCLUDE sections.ld
