#include "text/format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace finplan {

std::string format(const char* fmt, ...) {
    // Most texts fit a line of the schedule: print once into the stack, and only
    // a longer text is printed a second time at its full size.
    char small[512];
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    std::string out;
    if (n > 0 && static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else if (n > 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), fmt, args);
        out.assign(buf.data(), static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

} // namespace finplan
