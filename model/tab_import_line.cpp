#include "model/tab_import_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/records.h"
#include "model/text_lines.h"
#include "model/utf8_text.h"

namespace finplan {

namespace {

// The text as a C string would see it, without carriage returns and line feeds.
std::string withoutLineEnds(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c == '\0') break;
        if (c != '\r' && c != '\n') out += c;
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Control characters (an escape sequence, a tab) have no place in a name that is
// listed, printed and written to tab-delimited files.
std::string withoutControls(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7f) out += c;
    }
    return out;
}

std::string cleanName(std::string name) {
    name = withoutControls(name);
    while (!name.empty() && !std::isalnum(static_cast<unsigned char>(name.back())) &&
           !isUtf8Byte(name.back()))
        name.pop_back();
    const std::size_t first = name.find_first_not_of(' ');
    if (first != std::string::npos) name.erase(0, first);
    return name;
}

std::string cleanAmount(const std::string& text) {
    std::string amount;
    for (char c : text)
        if (c != ',') amount += c;
    const std::size_t first = amount.find_first_not_of(' ');
    amount.erase(0, first == std::string::npos ? amount.size() : first);
    while (amount.size() > 1 && !isDigit(amount.back()) && amount.back() != '-')
        amount.pop_back();
    return amount;
}

// "%f" reading: a text that is not a number gives 0. A number too large for a float is
// kept as an infinity, so the import refuses it as it refuses any amount out of range.
float parseAmount(const std::string& text) {
    const char* at = text.c_str();
    float v = 0.0f;
    if (scanFloat(at, v)) return v;
    char* end = nullptr;
    const double wide = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || std::isnan(wide)) return 0.0f;
    return std::copysign(std::numeric_limits<float>::infinity(), static_cast<float>(wide));
}

bool skippedWord(const std::string& line, ImportMode mode) {
    if (line.find("LIABILI") != std::string::npos || line.find("Balance") != std::string::npos ||
        line.find("TOTAL") != std::string::npos)
        return true;
    return mode == ImportMode::Update && line.find("Total") != std::string::npos;
}

std::string cutName(std::string name) {
    return utf8Cut(name, kAccountNameWidth - 1);
}

} // namespace

bool ImportLineReader::next(std::string& line) {
    line.clear();
    if (lineNumber_ == 0) skipByteOrderMark();
    if (atLineStart_) ++lineNumber_;
    bool ended = false;
    char c;
    while (line.size() < kImportLineChars && in_.get(c)) {
        if (c == '\r') {
            if (in_.peek() == '\n') in_.get(c);
            c = '\n';
        }
        line += c;
        if (c == '\n') {
            ended = true;
            break;
        }
    }
    atLineStart_ = ended;
    return !line.empty();
}

void ImportLineReader::skipByteOrderMark() {
    // Written by editors that save UTF-8 with a mark; it is no part of the first name.
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    const auto start = in_.tellg();
    char got[3] = {};
    if (in_.read(got, 3) && std::equal(got, got + 3, kMark)) return;
    in_.clear();
    in_.seekg(start);
}

bool readImportLine(std::istream& in, std::string& line) {
    ImportLineReader reader(in);
    return reader.next(line);
}

std::optional<ImportLine> parseImportLine(const std::string& raw, ImportMode mode) {
    if (mode == ImportMode::Read) {
        const std::size_t asText = raw.find('\0');
        if ((asText == std::string::npos ? raw.size() : asText) < 3) return std::nullopt;
    }
    const std::string line = withoutLineEnds(raw);
    if (line.size() < 7 || skippedWord(line, mode)) return std::nullopt;

    const std::size_t tab = line.rfind('\t');
    if (tab == std::string::npos) return std::nullopt;

    ImportLine out;
    out.name = cleanName(line.substr(0, tab));
    if (out.name.size() < 2) return std::nullopt;
    out.name = cutName(out.name);

    const std::string amount = cleanAmount(line.substr(tab + 1));
    if (amount.size() < (mode == ImportMode::Read ? 3u : 2u)) return std::nullopt;
    out.amount = parseAmount(amount);
    return out;
}

std::string importLineName(const std::string& raw) {
    const std::string line = withoutLineEnds(raw);
    const std::size_t tab = line.rfind('\t');
    if (tab == std::string::npos) return {};
    return cutName(cleanName(line.substr(0, tab)));
}

} // namespace finplan
