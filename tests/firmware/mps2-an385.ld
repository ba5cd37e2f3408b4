/* Cortex-M3 on qemu's mps2-an385: code memory at 0, data memory at 0x20000000. */
MEMORY
{
    FLASH (rx) : ORIGIN = 0x00000000, LENGTH = 4M
    RAM (rwx) : ORIGIN = 0x20000000, LENGTH = 64K
}
INCLUDE sections.ld
