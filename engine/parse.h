// The query language: a number, a source unit of one or two words, an
// optional arrow ("->" or "to"), a target unit of one word; anything after
// the target word is ignored. Nothing here throws or allocates.
#pragma once

#include <cstddef>

#include "units.h"

namespace aiconv {

// Size of the buffer that receives a parse error; no message is longer than 30.
inline constexpr std::size_t kParseErrorSize = 128;

// Only the first kNumberScan bytes of a query are offered to the number
// conversion, as if they were copied into a 64-byte scratch with its NUL: a
// number that begins later is not found, and one that runs past is cut
// there (the rest of it is then read as the unit).
inline constexpr std::size_t kNumberScan = 63;

// The arrow at the front of the word after the source: "->", or "to" in
// any case, two bytes whatever follows them ("tomi" reads the target "mi";
// a target word "ton" reads as the arrow and "n"). Reads p[0], and p[1]
// only when p[0] may begin an arrow.
enum ArrowKind : unsigned char { kNoArrow, kArrowSymbol, kArrowTo };
constexpr ArrowKind ArrowAt(const char* p) noexcept {
    if (p[0] == '-') return p[1] == '>' ? kArrowSymbol : kNoArrow;
    // With bit 5 set only T and t read t, only O and o read o.
    return (p[0] | 0x20) == 't' && (p[1] | 0x20) == 'o' ? kArrowTo : kNoArrow;
}
inline constexpr std::size_t kArrowBytes = 2;

inline constexpr char kErrorNoNumber[] = "could not parse number";
inline constexpr char kErrorNoUnit[] = "missing unit";
inline constexpr char kErrorBadUnits[] = "could not parse units or arrow";

// Parses a NUL-terminated query (never null). Returns 1 with *value, *from
// and *to set, or 0 with one of the messages above copied into errorText
// (kParseErrorSize bytes); the other outputs are then not to be used.
int ParseQuery(const char* query, double* value, const UnitDef** from, const UnitDef** to,
               char* errorText) noexcept;

// A word of the query: [begin, end); both null when the parse did not get
// that far.
struct QueryWord {
    const char* begin;
    const char* end;
};

// The same for the query in [query, end), with no NUL needed after it (the
// query ends at end or at a NUL before it, whichever comes first), also
// giving the unit words as typed: *source (both words of a two-word unit)
// and *target. On success both are set. On
// kErrorBadUnits the word that named no unit is *target when that is set
// (empty, begin == end, when the target is missing), else *source. For
// hosts that tell the person which word to correct, or how it was read.
int ParseQuery(const char* query, const char* end, double* value, const UnitDef** from,
               const UnitDef** to, char* errorText, QueryWord* source, QueryWord* target) noexcept;

// How a parse ended: kParsed, or which of the messages above it gives.
enum ParseOutcome : unsigned char { kParsed, kNoNumber, kNoUnit, kBadUnits };

// How the query's end is known: by the end pointer alone, or also by a NUL
// written there (*end == '\0', as after a C string of that length), which
// spares the word loops a test of the end at each byte.
enum QueryEnd : unsigned char { kEndOnly, kEndHasNul };

// The same once more, returning the outcome instead of copying a message:
// for a caller that writes the message itself, its length known where it
// is written.
template <QueryEnd kEnd = kEndOnly>
ParseOutcome ParseQueryOutcome(const char* query, const char* end, double* value, const UnitDef** from,
                               const UnitDef** to, QueryWord* source, QueryWord* target) noexcept;
extern template ParseOutcome ParseQueryOutcome<kEndOnly>(const char*, const char*, double*, const UnitDef**,
                                                         const UnitDef**, QueryWord*, QueryWord*) noexcept;
extern template ParseOutcome ParseQueryOutcome<kEndHasNul>(const char*, const char*, double*, const UnitDef**,
                                                           const UnitDef**, QueryWord*, QueryWord*) noexcept;

}  // namespace aiconv
