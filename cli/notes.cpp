#include "notes.h"

#include "terminal_text.h"

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

struct CaseRule {
    const char* row;
    Meant meant;
    const char* reads;    // what the row is
    const char* instead;  // what the person likely meant, or how to say it
};

constexpr CaseRule kCaseRules[] = {
    {"mw", Meant::kMilli, "megawatt", "there is no milliwatt"},
    {"mpa", Meant::kMilli, "megapascal", "there is no millipascal"},
    {"mj", Meant::kMilli, "megajoule", "there is no millijoule"},
    {"mm", Meant::kMega, "millimetre", "there is no megametre"},
    {"mm2", Meant::kMega, "square millimetre", "there is no square megametre"},
    {"mg", Meant::kMega, "milligram", "there is no megagram; a tonne (t) is 1000 kg"},
    {"ml", Meant::kMega, "millilitre", "there is no megalitre"},
    {"mbar", Meant::kMega, "millibar", "there is no megabar"},
    {"kb", Meant::kByte, "kilobit, 1000 bits", "bytes are \"b\"/\"byte\""},
    {"mb", Meant::kByte, "megabit, 1000000 bits", "bytes are \"b\"/\"byte\""},
    {"gb", Meant::kByte, "gigabit, 10^9 bits", "bytes are \"b\"/\"byte\""},
    {"tb", Meant::kByte, "terabit, 10^12 bits", "bytes are \"b\"/\"byte\""},
    {"kib", Meant::kByte, "kibibit, 1024 bits", "bytes are \"b\"/\"byte\""},
    {"mib", Meant::kByte, "mebibit, 1048576 bits", "bytes are \"b\"/\"byte\""},
    {"gib", Meant::kByte, "gibibit, 2^30 bits", "bytes are \"b\"/\"byte\""},
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
        return "\"" + Printable(word) + "\" reads as " + rule.row + " (" + rule.reads + "); " +
               (rule.meant == Meant::kByte ? "" : "units ignore case, and ") + rule.instead;
    }
    return "";
}

}  // namespace aiconvert
