// Reads "trade.tmp", the running amounts the Trade-Off Analysis hands to the trade-off
// grapher, and works out what the grapher shows beside its lines.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace finplan {

struct TradeGraph {
    std::vector<std::string> names;          // the named options, in option order
    std::vector<std::vector<float>> amounts; // [option][row]: after `row` periods
    int rowCount = 0;                        // the periods and two rows more

    // The dialog's number of periods: the file runs one period past it.
    int periods() const { return rowCount - 2; }
    // The rows the graph draws: the start and each of those periods, so its last age
    // label is the period its text speaks of (the file's extra row is not drawn).
    int drawnRows() const { return std::clamp(periods() + 1, 0, rowCount); }
};

// The Trade-Off dialog allows 3 to 100 periods; the reader takes a little more.
inline constexpr int kMaxTradeRows = 102;
inline constexpr std::size_t kMaxTradeFileBytes = 256 * 1024;

// Empty when text is a whole trade-off graph file; otherwise what is wrong with it.
std::string parseTradeGraph(const std::string& text, TradeGraph& out);
// Reads the file at path. Empty when it was read; otherwise the message to show.
std::string readTradeGraph(const std::string& path, TradeGraph& out);

// What stands beside the lines: each option's amount after the dialog's periods, and
// the differences between each pair of options, as the dialog shows them.
struct TradeDifference {
    int first = 0;
    int second = 0;
    float amount = 0; // |end(first) - end(second)|
};
struct TradeGraphTotals {
    std::vector<float> endAmounts;
    std::vector<TradeDifference> differences; // 1-2, 2-3, 1-3 as far as there are options
};
TradeGraphTotals tradeGraphTotals(const TradeGraph& graph);

} // namespace finplan
