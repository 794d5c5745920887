// Which market a group of accounts follows in the history analysis, and how that
// choice is written: "none", "stocks", "bonds", "mix:S" (S percent stocks, the rest
// bonds, rebalanced every year) or "inflation", optionally followed by "+A" or "-A",
// percentage points added every year (fees below zero, a premium above).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/market_table.h"

namespace finplan {

enum class Market { None, Stocks, Bonds, Mix, Inflation };

inline constexpr float kMinMarketAdjustment = -20.0f;
inline constexpr float kMaxMarketAdjustment = 20.0f;
inline constexpr float kDefaultStocksShare = 60.0f;

struct MarketChoice {
    Market market = Market::None;
    float stocksShare = kDefaultStocksShare; // percent; used by Mix only
    float adjustment = 0;                    // percentage points a year

    bool follows() const { return market != Market::None; }
    bool operator==(const MarketChoice&) const = default;
};

// Reads the text form; on failure the reason is in error and nothing is returned.
std::optional<MarketChoice> parseMarketChoice(std::string_view text, std::string& error);
std::string marketChoiceText(const MarketChoice& c);

// The rate, in percent, that a group following c earns in market year y.
float marketRate(const MarketChoice& c, const MarketYear& y);

} // namespace finplan
