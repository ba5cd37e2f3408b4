/* The one thing aiconverter.h takes from <wchar.h>, for a host compiled
 * without the MSVC headers: MSVC's C wchar_t. */
typedef unsigned short wchar_t;
