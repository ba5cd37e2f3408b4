/* AIConverter: converts one line of text such as L"10 km to mi" and answers
 * one line such as L"10 km -> 6.213712 mi". This header compiles as C and C++.
 *
 * A host may rely on this: the answer is one line with no line break; it
 * begins with "ERROR: " exactly when the query was not converted; it stays
 * valid and unchanged until the next call. Calls must not run on two threads
 * at once. */
#ifndef AICONVERTER_H
#define AICONVERTER_H

#include <wchar.h>

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
