// The trade-off values and their two text files: "tradeinf.dat", which keeps the
// values from one run of the program to the next, and "trade.tmp", the running
// amounts handed to the trade-off grapher.
#pragma once

#include <array>
#include <istream>
#include <string>

#include "calculators/calculator_memory.h"
#include "platform/messages.h"

namespace finplan {

// Whole number of periods (value 12), bounded so that any stored value converts safely.
int tradePeriods(const TradeOffState& state);

// The most periods the dialog's arrows reach and the graph file takes.
inline constexpr int kMaxTradePeriods = 100;

// Amount each option starts with and nets per period, after the tax factor f.
struct TradeOffOption {
    float initial = 0;
    float perPeriod = 0;
};
TradeOffOption tradeOption(const TradeOffState& state, int option, float taxFactor);

// End amounts after the whole number of periods, accumulated one period at a time.
std::array<float, kTradeOptions> tradeEndAmounts(const TradeOffState& state, float taxFactor);

// 1 - taxRate x 0.01 when "Use Initial Values Tax Rate" is set (value 13 is 1), else 1.
float tradeTaxFactor(const TradeOffState& state, float taxRate);

// Reads the lines of "tradeinf.dat": three names, then the fifteen values; a short
// file leaves the rest as it was.
void readTradeOff(std::istream& in, TradeOffState& state);
// The text "tradeinf.dat" holds.
std::string tradeOffFileText(const TradeOffState& state);

// Reads "tradeinf.dat"; when it cannot be opened, the names become "Option 1".."Option 3"
// and values 0 to 12 become 0 (13 and 14 keep theirs).
void loadTradeOff(const std::string& path, TradeOffState& state);

// Writes "tradeinf.dat" through a temporary file; tells the user when it cannot.
bool saveTradeOff(const std::string& path, const TradeOffState& state, Messages& messages);

// The text of "trade.tmp"; taxRate is the plan's tax rate, used in whole percent here.
std::string tradeGraphText(const TradeOffState& state, float taxRate);

// Checks the number of periods (3 to 100) and writes "trade.tmp"; false after a message.
bool writeTradeGraph(const std::string& path, const TradeOffState& state, float taxRate,
                     Messages& messages);

} // namespace finplan
