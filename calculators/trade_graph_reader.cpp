#include "calculators/trade_graph_reader.h"

#include <cmath>
#include <sstream>

#include "model/small_text_file.h"
#include "model/text_lines.h"

namespace finplan {

namespace {

bool readHeader(TextLineCursor& lines, TradeGraph& out, int& options) {
    std::string line;
    float value = 0;
    if (!lines.next(line, "its first line")) return false;
    if (!lineFloat(line, value)) return lines.failHere("should hold a number.");
    for (int i = 0; i < 3; ++i)
        if (!lines.next(line, "its header")) return false;
    if (!lines.next(line, "its number of rows")) return false;
    if (!lineFloat(line, value) || value < 2 || value >= kMaxTradeRows + 1)
        return lines.failHere("should hold the number of rows, 2 to " +
                              std::to_string(kMaxTradeRows) + ".");
    out.rowCount = static_cast<int>(value);
    if (!lines.next(line, "its number of options")) return false;
    const char* at = line.c_str();
    if (!scanInt(at, options) || !onlyBlanksLeft(at) || options < 0 || options > 3)
        return lines.failHere("should hold the number of options, 0 to 3.");
    if (options == 0) return lines.fail("no option has a name, so there is nothing to draw.");
    for (int j = 0; j < options; ++j) {
        if (!lines.next(line, "the option names")) return false;
        out.names.push_back(line);
    }
    out.amounts.assign(static_cast<std::size_t>(options),
                       std::vector<float>(static_cast<std::size_t>(out.rowCount)));
    return true;
}

bool readRow(TextLineCursor& lines, TradeGraph& out, int r, int options) {
    std::string line;
    const std::string period = "the period " + std::to_string(r);
    float value = 0;
    for (int j = 0; j < options; ++j) {
        if (!lines.next(line, period)) return false;
        if (!lineFloat(line, value)) return lines.failHere("should hold a number.");
    }
    if (!lines.next(line, period)) return false;
    const char* at = line.c_str();
    if (!scanFloat(at, value) || value != static_cast<float>(r))
        return lines.failHere("should begin with the period " + std::to_string(r) + ".");
    for (int j = 0; j < options; ++j)
        if (!scanFloat(at, out.amounts[static_cast<std::size_t>(j)][static_cast<std::size_t>(r)]))
            return lines.failHere("should hold the amount of each option.");
    if (!onlyBlanksLeft(at)) return lines.failHere("holds more than the amount of each option.");
    return true;
}

} // namespace

std::string parseTradeGraph(const std::string& text, TradeGraph& out) {
    out = TradeGraph{};
    TextLineCursor lines(text);
    int options = 0;
    bool ok = readHeader(lines, out, options);
    for (int r = 0; ok && r < out.rowCount; ++r)
        ok = readRow(lines, out, r, options);
    std::string line;
    if (ok && lines.next(line, "its closing \"Done\"") && line.compare(0, 4, "Done") != 0)
        ok = lines.failHere("should read \"Done\".");
    if (ok && lines.error().empty()) return "";
    out = TradeGraph{};
    return "It is not a complete trade-off graph file: " + lines.error();
}

std::string readTradeGraph(const std::string& path, TradeGraph& out) {
    out = TradeGraph{};
    std::string text;
    const TextFileStatus status = readSmallTextFile(path, kMaxTradeFileBytes, text);
    if (status != TextFileStatus::Read) return textFileProblem(status, path);
    const std::string problem = parseTradeGraph(text, out);
    return problem.empty() ? "" : "Cannot show " + path + ".\n" + problem;
}

TradeGraphTotals tradeGraphTotals(const TradeGraph& graph) {
    TradeGraphTotals totals;
    const auto row = static_cast<std::size_t>(std::max(graph.periods(), 0));
    for (const auto& amounts : graph.amounts)
        totals.endAmounts.push_back(row < amounts.size() ? amounts[row] : 0.0f);
    const int n = static_cast<int>(totals.endAmounts.size());
    for (auto [a, b] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{0, 2}})
        if (b < n)
            totals.differences.push_back(
                {a, b,
                 std::fabs(totals.endAmounts[static_cast<std::size_t>(a)] -
                           totals.endAmounts[static_cast<std::size_t>(b)])});
    return totals;
}

} // namespace finplan
