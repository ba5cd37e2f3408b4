/* AIConverter: converts one line of text such as L"10 km to mi" and answers
 * one line such as L"10 km -> 6.213712 mi". This header compiles as C and C++.
 * The full description is the manual page AIConverter(3).
 *
 * The answer is one of:
 *   "<number> <unit> -> <number> <unit>"   converted: the number as read,
 *       the unit names as the table spells them (in lower case: "10 KM to Mi"
 *       answers "10 km -> 6.213712 mi"), numbers of 0.001 to 1000000 with up
 *       to six decimals, others with ten significant digits ("1e-06");
 *   "ERROR: null input"                          the query was null;
 *   "ERROR: could not parse number"              no number at the start;
 *   "ERROR: missing unit"                        nothing after the number;
 *   "ERROR: could not parse units or arrow"      a unit is unknown or missing;
 *   "ERROR: incompatible units (<category> vs <category>)"  e.g. length vs mass.
 * A host may rely on this: the answer is one line with no line break; it
 * begins with "ERROR: " exactly when the query was not converted; it stays
 * valid and unchanged until the next call. Calls must not run on two threads
 * at once.
 *
 * On load the library registers with the host's application framework
 * (libhostframework, hostframework.dll: a stand-in ships with it) and leaves
 * it on unload; a host only needs that library beside this one. */
#ifndef AICONVERTER_H
#define AICONVERTER_H

#include <wchar.h>

#include "aiconverter_version.h"

#if defined(_WIN32)
#  define AICONVERTER_CALL __cdecl
#  if defined(AICONVERTER_BUILDING)
#    define AICONVERTER_API
#  else
#    define AICONVERTER_API __declspec(dllimport)
#  endif
#else
#  define AICONVERTER_CALL
#  define AICONVERTER_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The longest query read: only its first AICONVERTER_QUERY_LIMIT bytes in the
 * 8-bit code page count, the rest is ignored. */
#define AICONVERTER_QUERY_LIMIT 999
/* Wide characters in the answer buffer, NUL included. Every answer is far
 * shorter: under 70 characters. */
#define AICONVERTER_ANSWER_CAPACITY 1000

/* Converts a NUL-terminated wide query (null is answered too) and returns the
 * wide answer. Never returns null. The query is read in the system's 8-bit
 * code page: the ANSI code page on Windows, Windows-1252 elsewhere. A
 * character the code page cannot hold becomes '?', never a similar-looking
 * one, so a query of ASCII and such characters answers the same on every
 * platform and code page. Numbers, units and the arrow are ASCII: a
 * character outside ASCII never takes part in one, and where one code page
 * holds a character that another lacks, only which error line comes back
 * may differ, never a number. */
AICONVERTER_API const wchar_t* AICONVERTER_CALL AIConverter(const wchar_t* query);

#ifdef __cplusplus
}
#endif

#endif /* AICONVERTER_H */
