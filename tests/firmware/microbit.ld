/* Cortex-M0 on qemu's microbit (nRF51): 256 KiB flash, 16 KiB RAM. */
MEMORY
{
    FLASH (rx) : ORIGIN = 0x00000000, LENGTH = 256K
    RAM (rwx) : ORIGIN = 0x20000000, LENGTH = 16K
}
INCLUDE sections.ld
