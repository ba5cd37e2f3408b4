/* qemu's mps2-an385 (Cortex-M3), mps2-an386 (M4F) and mps2-an500 (M7):
 * code memory at 0, data memory at 0x20000000. */
MEMORY
{
    FLASH (rx) : ORIGIN = 0x00000000, LENGTH = 4M
    RAM (rwx) : ORIGIN = 0x20000000, LENGTH = 64K
}
INCLUDE sections.ld
