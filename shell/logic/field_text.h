// Storing a user's text in a fixed-width record field.
#pragma once

#include "model/utf8_text.h"
#include <algorithm>
#include <cstring>
#include <string_view>

namespace finplan {

// Keeps at most maxChars bytes (and never more than the field holds besides its NUL),
// never half a character; the rest of the field is cleared so no piece of an older text stays
// behind.
template <std::size_t N>
void storeFieldText(char (&field)[N], std::string_view text, std::size_t maxChars) {
    const std::size_t n = utf8CutLength(text, std::min(maxChars, N - 1));
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), n);
}

} // namespace finplan
