#include "line_reader.h"

namespace aiconvert {

bool ReadPlainLine(std::FILE* in, std::size_t keep, std::string* line) {
    line->clear();
    bool any = false;
    for (int c; (c = std::getc(in)) != EOF;) {
        any = true;
        if (c == '\n') break;
        if (line->size() < keep) line->push_back(static_cast<char>(c));
    }
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return any && !std::ferror(in);
}

}  // namespace aiconvert
