#include "model/tab_import_line.h"

#include <cctype>

#include "model/records.h"
#include "model/text_lines.h"

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
    while (!name.empty() && !std::isalnum(static_cast<unsigned char>(name.back())))
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

// "%f" reading: a text that is not a number gives 0, and so does one too large for a
// float.
float parseAmount(const std::string& text) {
    const char* at = text.c_str();
    float v = 0.0f;
    scanFloat(at, v);
    return v;
}

bool skippedWord(const std::string& line, ImportMode mode) {
    if (line.find("LIABILI") != std::string::npos || line.find("Balance") != std::string::npos ||
        line.find("TOTAL") != std::string::npos)
        return true;
    return mode == ImportMode::Update && line.find("Total") != std::string::npos;
}

std::string cutName(std::string name) {
    if (name.size() > kAccountNameWidth - 1) name.resize(kAccountNameWidth - 1);
    return name;
}

} // namespace

bool ImportLineReader::next(std::string& line) {
    line.clear();
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
