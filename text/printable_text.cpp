#include "text/printable_text.h"

#include <cstddef>

namespace finplan {

namespace {

unsigned char byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The length of the UTF-8 character starting at text[at], or 0 when the bytes there
// are not one (a byte of another encoding, or a cut character).
std::size_t utf8CharLength(std::string_view text, std::size_t at) {
    const unsigned char lead = byteAt(text, at);
    const std::size_t n = lead < 0x80                   ? 1
                          : lead >= 0xC2 && lead < 0xE0 ? 2
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xF0 && lead < 0xF5 ? 4
                                                        : 0;
    if (n == 0 || at + n > text.size()) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((byteAt(text, at + i) & 0xC0) != 0x80) return 0;
    return n;
}

} // namespace

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = byteAt(text, at);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++at;
            continue;
        }
        const std::size_t n = c < 0x80 ? 1 : utf8CharLength(text, at);
        const bool utf8C1 = n == 2 && c == 0xC2 && byteAt(text, at + 1) < 0xA0;
        if (n <= 1 || utf8C1) {
            // A C0 control, DEL, a UTF-8 C1 control, or a byte that is no UTF-8: those
            // from 0x80 to 0x9F are C1 controls to a terminal that takes 8-bit ones.
            const bool control = c < 0x20 || c == 0x7F || utf8C1 || (c >= 0x80 && c < 0xA0);
            out += control ? '?' : static_cast<char>(c);
            at += utf8C1 ? 2 : 1;
            continue;
        }
        out.append(text.substr(at, n));
        at += n;
    }
    return out;
}

} // namespace finplan
