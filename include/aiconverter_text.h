/* AIConverter for firmware: unit conversion over 8-bit text, for systems
 * without wide text or a loader (microcontrollers). This header compiles as
 * C99 and C++ and is all a firmware needs; link the static library
 * aiconverter_firmware (CMake target AIConverter::firmware).
 *
 * The query: 8-bit text in Windows-1252 (ASCII is a part of it) such as
 * "10 km to mi": a number, a unit, an optional arrow ("to" or "->"), a unit.
 * Only its first AICONVERTER_TEXT_QUERY_LIMIT bytes are read; it ends there,
 * at its length, or at a NUL, whichever comes first. Numbers, units and the
 * arrow are ASCII: a byte outside ASCII never takes part in one.
 *
 * The answer: one line of ASCII with no line break, one of
 *   "<number> <unit> -> <number> <unit>"   converted: the number as read,
 *       the unit names as the table spells them, in lower case ("10 KM to
 *       Mi" answers "10 km -> 6.213712 mi"); numbers of 0.001 to 1000000
 *       with up to six decimals, others with ten significant digits
 *       ("1e-06", "inf");
 *   "ERROR: null input"                          the query was null;
 *   "ERROR: could not parse number"              no number at the start;
 *   "ERROR: missing unit"                        nothing after the number;
 *   "ERROR: could not parse units or arrow"      a unit is unknown or missing;
 *   "ERROR: incompatible units (<category> vs <category>)"  e.g. length vs mass.
 * It begins with "ERROR: " exactly when the query was not converted. With
 * its NUL it never needs more than AICONVERTER_TEXT_ANSWER_CAPACITY bytes.
 * The answer is the same, to the last digit, on every processor.
 *
 * Neither function allocates, and neither uses the C library's number or
 * locale functions. */
#ifndef AICONVERTER_TEXT_H
#define AICONVERTER_TEXT_H

#include <stddef.h>

/* Bytes of a query that are read; the rest is ignored. */
#define AICONVERTER_TEXT_QUERY_LIMIT 999
/* A buffer of this many bytes always holds the whole answer and its NUL. */
#define AICONVERTER_TEXT_ANSWER_CAPACITY 64

#ifdef __cplusplus
extern "C" {
#endif

/* Reentrant: converts the query of queryLength bytes at `query` (no NUL is
 * needed after it; null answers "ERROR: null input") and writes the answer
 * into `answer`, a buffer of `capacity` bytes, as snprintf does: at most
 * capacity - 1 characters and a NUL; nothing when capacity is 0 (answer may
 * then be null). Returns the answer's length without its NUL: a result of
 * capacity or more means the answer was cut. Nothing past the NUL is
 * written. The query is read whole before the answer is written, so the
 * two may share a buffer (AIConverterTextInto(buf, n, buf, sizeof buf)).
 * Keeps no state: any number of calls may run at once, from threads or
 * interrupts, each with its own buffer. Stack: about 1.5 KiB at most;
 * static RAM: none. */
size_t AIConverterTextInto(const char* query, size_t queryLength, char* answer, size_t capacity);

/* The simple form: converts a NUL-terminated query (null is answered too)
 * and returns the answer, which stays valid and unchanged until the next
 * call. Never returns null. Calls must not overlap: one caller at a time,
 * not from an interrupt that may preempt another call (use
 * AIConverterTextInto there). */
const char* AIConverterText(const char* query);

#ifdef __cplusplus
}
#endif

#endif /* AICONVERTER_TEXT_H */
