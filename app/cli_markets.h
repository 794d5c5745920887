// The market options shared by `finplan history` and `finplan trials --random history`:
// the side file beside the scenario, overridden by --market and --inflation.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "analysis/market_plan.h"
#include "platform/messages.h"

namespace finplan::cli {

struct MarketOptions {
    std::vector<std::string> markets; // "GROUP=MARKET"
    std::string inflation;            // "history", "plan" or empty (the side file's)
    std::string table;                // a market table file instead of the built-in one
    int block = 0;                    // random history; 0: the side file's
};

void addMarketOptions(CLI::App* cmd, MarketOptions& o);

// The groups' markets for an analysis of the scenario at path. A damaged side file or a
// group it names that the scenario lacks is reported and passed over; bad options
// are reported and give nullptr with exitCode 2 (a bad table file: 1).
std::shared_ptr<const MarketPlan> marketPlanFor(const std::string& path, const Scenario& s,
                                                const MarketOptions& o, Messages& messages,
                                                int& exitCode);

} // namespace finplan::cli
