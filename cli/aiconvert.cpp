// aiconvert: the command-line host. It calls the library the way any host
// does, converting between the terminal's encoding and wide text.
//
//   aiconvert 10 km to mi        one query from the arguments
//   aiconvert < queries.txt      one answer for each line of input
#include <aiconverter.h>
#include <aiconverter_version.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <iostream>
#include <string>

#include "engine/units.h"

namespace {

constexpr char kUsage[] =
    "usage: aiconvert [QUERY...]\n"
    "       aiconvert --list-units | --help | --version\n"
    "\n"
    "Converts QUERY, such as \"10 km to mi\", and prints one answer line.\n"
    "Without a query, converts each line of standard input.\n"
    "Exit status: 0 all converted, 1 some answer was an error, 2 usage error.\n";

// Terminal text to wide text in the locale's encoding; a byte that is not
// valid there becomes '?', which no unit contains.
std::wstring ToWide(const std::string& text) {
    std::wstring wide;
    std::mbstate_t state{};
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        wchar_t c = 0;
        const std::size_t n = std::mbrtowc(&c, p, static_cast<std::size_t>(end - p), &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            wide.push_back(L'?');
            state = std::mbstate_t{};
            ++p;
        } else {
            wide.push_back(n == 0 ? L'\0' : c);
            p += n == 0 ? 1 : n;
        }
    }
    return wide;
}

std::string FromWide(const wchar_t* text) {
    std::string out;
    std::mbstate_t state{};
    char bytes[16];
    for (; *text != 0; ++text) {
        const std::size_t n = std::wcrtomb(bytes, *text, &state);
        if (n == static_cast<std::size_t>(-1)) {
            out.push_back('?');
            state = std::mbstate_t{};
        } else {
            out.append(bytes, n);
        }
    }
    return out;
}

// Prints the answer and tells whether it was a conversion.
bool Answer(const std::string& query) {
    const std::string answer = FromWide(AIConverter(ToWide(query).c_str()));
    std::cout << answer << std::endl;  // flushed: one answer per line in a pipe
    return answer.compare(0, 7, "ERROR: ") != 0;
}

void ListUnits() {
    for (int category = aiconv::CategoryLength; category <= aiconv::CategoryData; ++category) {
        std::cout << aiconv::CategoryName(category) << ':';
        for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
            if (row->category == category) std::cout << ' ' << row->name;
        }
        std::cout << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");

    if (argc == 2 && std::strncmp(argv[1], "--", 2) == 0) {
        const std::string option = argv[1];
        if (option == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (option == "--version") {
            std::cout << "aiconvert " << AICONVERTER_VERSION << '\n';
            return 0;
        }
        if (option == "--list-units") {
            ListUnits();
            return 0;
        }
    }
    if (argc >= 2 && std::strncmp(argv[1], "--", 2) == 0) {
        std::cerr << "aiconvert: unknown option " << argv[1] << "\n" << kUsage;
        return 2;
    }

    bool allConverted = true;
    if (argc > 1) {
        std::string query = argv[1];
        for (int i = 2; i < argc; ++i) query.append(" ").append(argv[i]);
        allConverted = Answer(query);
    } else {
        std::string line;
        while (std::getline(std::cin, line)) allConverted = Answer(line) && allConverted;
    }
    return allConverted ? 0 : 1;
}
