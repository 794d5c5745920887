// Cutting text to a field's width without splitting a UTF-8 character: an accented
// name cut byte by byte would end in half a character, which shows as garbage.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace finplan {

// The length of text's longest beginning of at most maxBytes bytes that does not end
// inside a character. Text that is not UTF-8 is cut at maxBytes.
inline std::size_t utf8CutLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    auto continues = [&](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    std::size_t n = maxBytes;
    // A character is at most four bytes: back over at most three that continue it.
    for (int k = 0; k < 3 && n > 0 && continues(n); ++k)
        --n;
    return continues(n) ? maxBytes : n;
}

inline std::string utf8Cut(std::string_view text, std::size_t maxBytes) {
    return std::string(text.substr(0, utf8CutLength(text, maxBytes)));
}

// Whether byte belongs to a character other than ASCII: trimming treats such a
// character as a letter, so no part of it is ever dropped.
inline bool isUtf8Byte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

} // namespace finplan
