#include "notes.h"

#include <cstring>

#include "terminal_text.h"
#include "unit_list.h"

#include "engine/unit_words.h"
#include "engine/units.h"

namespace aiconvert {
namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

bool AnyUpper(const std::string& s, std::size_t from) {
    for (std::size_t i = from; i < s.size(); ++i) {
        if (IsUpper(s[i])) return true;
    }
    return false;
}

bool AnyLower(const std::string& s) {
    for (const char c : s) {
        if (IsLower(c)) return true;
    }
    return false;
}

// How a person's spelling can mean another unit than the row that case
// folding finds. Units ignore A-Z case, so SI prefixes collide: a lower-case
// m is milli, an upper-case M mega; and a B conventionally means a byte.
enum class Meant {
    kMilli,  // typed "mW": milli meant, the row is mega
    kMega,   // typed "Mm": mega meant, the row is milli
    kByte,   // typed "MB": bytes meant, the row counts bits
};

// What the row is comes from the engine's description table; for the data
// units with their size, since the size is what the person got wrong.
struct CaseRule {
    const char* row;
    Meant meant;
    const char* instead;  // what the person likely meant, or how to say it
};

constexpr CaseRule kCaseRules[] = {
    {"mw", Meant::kMilli, "there is no milliwatt"},
    {"mpa", Meant::kMilli, "there is no millipascal"},
    {"mj", Meant::kMilli, "there is no millijoule"},
    {"mm", Meant::kMega, "there is no megametre"},
    {"mm2", Meant::kMega, "there is no square megametre"},
    {"mg", Meant::kMega, "there is no megagram; a tonne (t) is 1000 kg"},
    {"ml", Meant::kMega, "there is no megalitre"},
    {"mbar", Meant::kMega, "there is no megabar"},
    {"kb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"mb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"gb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"tb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"kib", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"mib", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"gib", Meant::kByte, "bytes are \"b\"/\"byte\""},
};

bool Applies(Meant meant, const std::string& typed) {
    switch (meant) {
    case Meant::kMilli: return typed[0] == 'm' && AnyUpper(typed, 1);          // mW, mPa
    case Meant::kMega: return typed[0] == 'M' && (AnyLower(typed) || typed == "ML");  // Mm, Mg, ML
    case Meant::kByte: return typed.back() == 'B';                            // MB, kB, GiB
    }
    return false;
}

}  // namespace


std::string CaseNote(const std::string& typed, const std::string& row) {
    const std::string word = typed.substr(0, aiconv::WithoutTrailingPoint(typed.data(), typed.size()));
    if (word.empty()) return "";
    for (const CaseRule& rule : kCaseRules) {
        if (row != rule.row || !Applies(rule.meant, word)) continue;
        const aiconv::UnitDef* unit = aiconv::FindUnit(rule.row, std::strlen(rule.row));
        const std::string reads = rule.meant == Meant::kByte ? DescribeUnit(*unit)
                                                             : aiconv::kUnitDescriptions[unit - aiconv::UnitTable].words;
        return "\"" + Printable(word) + "\" reads as " + rule.row + " (" + reads + "); " +
               (rule.meant == Meant::kByte ? "" : "units ignore case, and ") + rule.instead;
    }
    return "";
}

}  // namespace aiconvert
