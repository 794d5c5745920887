#include "calculators/field_text.h"

#include <charconv>
#include <climits>
#include <limits>

#include "model/utf8_text.h"

namespace finplan {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a field's number text starts with: the text cut to the field, the position
// after leading blanks and an optional sign, and whether that sign was "-".
struct NumberStart {
    std::string text;
    std::size_t at = 0;
    bool negative = false;
};

// Three digits at i and no fourth: a group after a thousands separator.
bool groupAt(const std::string& s, std::size_t i) {
    return i + 3 <= s.size() && isDigit(s[i]) && isDigit(s[i + 1]) && isDigit(s[i + 2]) &&
           (i + 3 == s.size() || !isDigit(s[i + 3]));
}

// Money as the program shows it ("$1,871.78"): a dollar sign before or after the sign
// and the commas between groups of three digits are passed over, so "85,000" is not
// read as 85. Any other comma ends the number as before.
void dropMoneyMarks(NumberStart& n) {
    std::string& s = n.text;
    if (n.at < s.size() && s[n.at] == '$') s.erase(n.at, 1);
    for (std::size_t i = n.at; i < s.size() && isDigit(s[i]);) {
        ++i;
        if (i < s.size() && s[i] == ',' && groupAt(s, i + 1)) s.erase(i, 1);
    }
}

NumberStart numberStart(const std::string& text, std::size_t maxChars) {
    NumberStart n{cutText(text, maxChars)};
    while (n.at < n.text.size() && isBlank(n.text[n.at]))
        ++n.at;
    if (n.at < n.text.size() && n.text[n.at] == '$') n.text.erase(n.at, 1);
    if (n.at < n.text.size() && (n.text[n.at] == '+' || n.text[n.at] == '-'))
        n.negative = n.text[n.at++] == '-';
    dropMoneyMarks(n);
    return n;
}

} // namespace

std::string cutText(const std::string& text, std::size_t maxChars) {
    return utf8Cut(text, maxChars);
}

namespace {

// The number at the start of a field's text, signed and held to the float range, and
// whether only blanks and "%" follow it.
struct ScannedNumber {
    bool found = false;
    bool alone = false;
    double value = 0.0;
};

bool onlyBlanksAndPercent(const std::string& s, std::size_t from) {
    for (std::size_t i = from; i < s.size(); ++i)
        if (!isBlank(s[i]) && s[i] != '%') return false;
    return true;
}

ScannedNumber scanNumber(const std::string& text, std::size_t maxChars) {
    const NumberStart start = numberStart(text, maxChars);
    const std::string& s = start.text;
    std::size_t i = start.at;

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
    ScannedNumber out;
    if (digits == 0) return out;
    std::size_t end = i;
    bool tiny = false; // a negative exponent
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        tiny = j < s.size() && s[j] == '-';
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
        // Too large for any field: reads as the largest float so range checks refuse it;
        // too small for any number ("1e-400"): 0, as it would be written.
        value = tiny ? 0.0 : std::numeric_limits<float>::max();
    }
    if (value > std::numeric_limits<float>::max()) value = std::numeric_limits<float>::max();
    out.found = true;
    out.alone = onlyBlanksAndPercent(s, end);
    out.value = start.negative ? -value : value;
    return out;
}

} // namespace

float readFloatText(const std::string& text, std::size_t maxChars) {
    const ScannedNumber n = scanNumber(text, maxChars);
    return n.found ? static_cast<float>(n.value) : 0.0f;
}

float readFieldNumber(const std::string& text) {
    const ScannedNumber n = scanNumber(text, text.size());
    return n.found && n.alone ? static_cast<float>(n.value)
                              : std::numeric_limits<float>::quiet_NaN();
}

int readFieldWhole(const std::string& text) {
    const ScannedNumber n = scanNumber(text, text.size());
    if (!(n.found && n.alone)) return kNoWholeNumber;
    // Held just inside the int range, so a huge number is never taken for no number.
    if (n.value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (n.value <= -static_cast<double>(INT_MAX)) return -INT_MAX;
    return static_cast<int>(n.value);
}

int readIntText(const std::string& text, std::size_t maxChars) {
    const NumberStart start = numberStart(text, maxChars);
    const std::string& s = start.text;
    const bool negative = start.negative;
    std::size_t i = start.at;
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

std::string trimText(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

} // namespace finplan
