// The query language: a number, a source unit of one or two words, an
// optional arrow ("->" or "to"), a target unit of one word; anything after
// the target word is ignored. Nothing here throws or allocates.
#pragma once

#include <cstddef>

#include "units.h"

namespace aiconv {

// Size of the buffer that receives a parse error; no message is longer than 30.
inline constexpr std::size_t kParseErrorSize = 128;

inline constexpr char kErrorNoNumber[] = "could not parse number";
inline constexpr char kErrorNoUnit[] = "missing unit";
inline constexpr char kErrorBadUnits[] = "could not parse units or arrow";

// Parses a NUL-terminated query (never null). Returns 1 with *value, *from
// and *to set, or 0 with one of the messages above copied into errorText
// (kParseErrorSize bytes); the other outputs are then not to be used.
int ParseQuery(const char* query, double* value, const UnitDef** from, const UnitDef** to,
               char* errorText) noexcept;

// The same for the query in [query, end), with no NUL needed after it: the
// query ends at end or at a NUL before it, whichever comes first.
int ParseQuery(const char* query, const char* end, double* value, const UnitDef** from,
               const UnitDef** to, char* errorText) noexcept;

// A word of the query: [begin, end); both null when the parse did not get
// that far.
struct QueryWord {
    const char* begin;
    const char* end;
};

// The same again, also giving the unit words as typed: *source (both words
// of a two-word unit) and *target. On success both are set. On
// kErrorBadUnits the word that named no unit is *target when that is set
// (empty, begin == end, when the target is missing), else *source. For
// hosts that tell the person which word to correct, or how it was read.
int ParseQuery(const char* query, const char* end, double* value, const UnitDef** from,
               const UnitDef** to, char* errorText, QueryWord* source, QueryWord* target) noexcept;

}  // namespace aiconv
