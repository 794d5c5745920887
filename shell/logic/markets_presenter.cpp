#include "shell/logic/markets_presenter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/run_context.h"

namespace finplan {

namespace {

std::string shown(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
    return buf;
}

// A number and nothing else (blanks around it allowed).
bool readNumber(const std::string& text, float& v) {
    const char* begin = text.c_str();
    char* end = nullptr;
    v = std::strtof(begin, &end);
    if (end == begin) return false;
    while (*end == ' ')
        ++end;
    return *end == '\0' && std::isfinite(v);
}

} // namespace

MarketsPresenter::MarketsPresenter(const Scenario& scenario, MarketSettings& settings,
                                   Messages& messages)
    : historicalInflation(settings.historicalInflation), settings_(settings), messages_(messages) {
    for (int g = 0; g < kMaxGroups; ++g) {
        if (!scenario.groups.exists(g)) continue;
        const std::string name = groupName(scenario, g);
        const MarketChoice c = settings.choiceOf(name);
        rows.push_back(MarketRowTexts{name, c.market, shown(c.stocksShare), shown(c.adjustment)});
    }
}

bool MarketsPresenter::ok() {
    refusedRow = -1;
    MarketSettings next = settings_;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MarketRowTexts& row = rows[i];
        MarketChoice c;
        c.market = row.market;
        float share = kDefaultStocksShare;
        if (row.market == Market::Mix &&
            !(readNumber(row.stocksShare, share) && share >= 0 && share <= 100)) {
            refusedRow = static_cast<int>(i);
            refusedField = Field::StocksShare;
            messages_.show("The stocks share must be between 0 and 100.", "Rate Error",
                           MessageIcon::Warning);
            return false;
        }
        float adjustment = 0;
        if (row.market != Market::None &&
            !(readNumber(row.adjustment, adjustment) && adjustment >= kMinMarketAdjustment &&
              adjustment <= kMaxMarketAdjustment)) {
            refusedRow = static_cast<int>(i);
            refusedField = Field::Adjustment;
            messages_.show("The adjustment must be between -20.00 and 20.00 points a year.",
                           "Rate Error", MessageIcon::Warning);
            return false;
        }
        c.stocksShare = share;
        c.adjustment = adjustment;
        next.setChoice(row.group, c);
    }
    next.historicalInflation = historicalInflation;
    settings_ = std::move(next);
    return true;
}

} // namespace finplan
