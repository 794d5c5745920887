// A scenario's groups matched to markets, and the market years one run replays:
// a historical cycle (consecutive years from a start year) or random history (blocks
// of consecutive years drawn at random start years).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/market_rates.h"
#include "model/market_file.h"
#include "model/market_table.h"
#include "model/scenario.h"

namespace finplan {

struct MarketPlan {
    std::shared_ptr<const MarketTable> table;
    std::array<MarketChoice, kMaxGroups> groups{}; // by group slot
    bool historicalInflation = true;
    float planInflation = 0; // the scenario's inflation rate, for today's dollars without history
    int block = kDefaultHistoryBlock; // random history: consecutive years per block
};

// Matches the settings' group names to the scenario's groups. A listed group the
// scenario no longer has is dropped, with a sentence for the user in `dropped`.
MarketPlan resolveMarketPlan(const MarketSettings& settings, const Scenario& s,
                             std::shared_ptr<const MarketTable> table,
                             std::vector<std::string>& dropped);

// The table built in, shared.
std::shared_ptr<const MarketTable> sharedBuiltInTable();

// The rates of one sequence of market years, ready for a run.
class MarketSequence {
  public:
    // Plan year k replays market row startRow + k.
    void cycle(const MarketPlan& plan, int startRow, int years);
    // Blocks of plan.block consecutive rows at random start rows, from the generator
    // seeded with generatorSeed.
    void randomBlocks(const MarketPlan& plan, uint32_t generatorSeed, int years);

    const MarketRates& rates() const { return rates_; }
    // The table row each plan year replays.
    const std::vector<int>& rows() const { return rows_; }
    // The price level at the start of plan year k, the first year's being 1 (k up to
    // the plan years): what a start-year dollar has become.
    double priceLevel(int k) const { return priceLevel_[k]; }

  private:
    void fill(const MarketPlan& plan);
    std::vector<int> rows_;
    std::vector<float> groupRates_;
    std::vector<float> inflation_;
    std::vector<double> priceLevel_;
    MarketRates rates_;
};

} // namespace finplan
