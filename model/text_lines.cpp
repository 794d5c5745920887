#include "model/text_lines.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace finplan {

bool readTextLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    bool any = false;
    bool cut = false; // after a NUL or past the limit the rest of the line is dropped
    char c;
    while (in.get(c)) {
        any = true;
        if (c == '\n') break;
        if (c == '\0') cut = true;
        if (cut) continue;
        if (line.size() >= limit) {
            cut = true;
            continue;
        }
        line += c;
    }
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return any;
}

bool scanFloat(const char*& text, float& value) {
    char* end = nullptr;
    errno = 0;
    const float v = std::strtof(text, &end);
    if (end == text || !std::isfinite(v)) return false;
    text = end;
    value = v;
    return true;
}

bool scanInt(const char*& text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    text = end;
    value = static_cast<int>(v);
    return true;
}

} // namespace finplan
