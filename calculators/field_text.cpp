#include "calculators/field_text.h"

#include <charconv>
#include <climits>
#include <limits>

namespace finplan {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string cutText(const std::string& text, std::size_t maxChars) {
    return text.size() > maxChars ? text.substr(0, maxChars) : text;
}

float readFloatText(const std::string& text, std::size_t maxChars) {
    const std::string s = cutText(text, maxChars);
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    // Longest prefix of the form digits [. digits] [e [sign] digits].
    const std::size_t begin = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0.0f;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }

    double value = 0.0;
    const auto result =
        std::from_chars(s.data() + begin, s.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for any field: reads as the largest float so range checks refuse it.
        value = std::numeric_limits<float>::max();
    }
    if (value > std::numeric_limits<float>::max()) value = std::numeric_limits<float>::max();
    const float v = static_cast<float>(value);
    return negative ? -v : v;
}

int readIntText(const std::string& text, std::size_t maxChars) {
    const std::string s = cutText(text, maxChars);
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long v = 0;
    while (i < s.size() && isDigit(s[i])) {
        v = v * 10 + (s[i++] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    return static_cast<int>(v);
}

int wholeNumber(float v) {
    if (!(v == v)) return 0;
    if (v >= 1e9f) return 1000000000;
    if (v <= -1e9f) return -1000000000;
    return static_cast<int>(v);
}

std::string trimText(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

} // namespace finplan
