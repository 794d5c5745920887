#include "model/market_table.h"

#include <cmath>
#include <cstdlib>

#include "model/small_text_file.h"

namespace finplan {

namespace {

constexpr std::string_view kHeader = "year,stocks,bonds,inflation";
// A year's return cannot lose more than everything; anything above this is a typo.
constexpr double kLowest = -100.0;
constexpr double kHighest = 1000.0;

bool parseField(std::string_view field, double& value) {
    const std::string text(field);
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

std::string lineError(int line, const std::string& why) {
    return "line " + std::to_string(line) + ": " + why;
}

} // namespace

MarketTableRead parseMarketTable(std::string_view text) {
    MarketTableRead out;
    std::vector<MarketYear> rows;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (lineNumber == 1) {
            if (line != kHeader) {
                out.error = lineError(1, "the header is not \"" + std::string(kHeader) + "\"");
                return out;
            }
            continue;
        }
        if (line.empty()) continue;
        double v[4];
        int n = 0;
        for (; n < 4 && !line.empty(); ++n) {
            const std::size_t comma = line.find(',');
            if (!parseField(line.substr(0, comma), v[n])) break;
            line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
            if (comma == std::string_view::npos) {
                ++n;
                break;
            }
        }
        if (n != 4 || !line.empty()) {
            out.error = lineError(lineNumber, "expected a year and three numbers");
            return out;
        }
        const int year = static_cast<int>(v[0]);
        if (v[0] != year || (!rows.empty() && year != rows.back().year + 1)) {
            out.error = lineError(lineNumber, "the years must follow one another");
            return out;
        }
        for (int k = 1; k < 4; ++k)
            if (!(v[k] > kLowest && v[k] < kHighest)) {
                out.error = lineError(lineNumber, "a rate is out of range");
                return out;
            }
        rows.push_back(MarketYear{year, static_cast<float>(v[1]), static_cast<float>(v[2]),
                                  static_cast<float>(v[3])});
    }
    if (rows.empty()) {
        out.error = lineNumber == 0 ? "it is empty" : "it lists no years";
        return out;
    }
    out.table.emplace(std::move(rows));
    return out;
}

MarketTableRead readMarketTableFile(const std::string& path) {
    std::string text;
    const TextFileStatus status = readSmallTextFile(path, 1u << 20, text);
    if (status != TextFileStatus::Read) {
        MarketTableRead out;
        out.error = textFileProblem(status, path);
        return out;
    }
    MarketTableRead out = parseMarketTable(text);
    if (!out.table) out.error = "The market table " + path + " cannot be used: " + out.error + ".";
    return out;
}

} // namespace finplan
