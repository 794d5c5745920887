#include "analysis/market_plan.h"

#include <algorithm>

#include "engine/run_context.h"
#include "platform/random.h"

namespace finplan {

MarketPlan resolveMarketPlan(const MarketSettings& settings, const Scenario& s,
                             std::shared_ptr<const MarketTable> table,
                             std::vector<std::string>& dropped) {
    MarketPlan plan;
    plan.table = std::move(table);
    plan.historicalInflation = settings.historicalInflation;
    plan.planInflation = s.initial.inflationRate;
    plan.block = settings.analysis.block;
    for (const auto& [name, choice] : settings.groups) {
        bool found = false;
        for (int g = 0; g < kMaxGroups && !found; ++g)
            if (s.groups.exists(g) && groupName(s, g) == name) {
                plan.groups[g] = choice;
                found = true;
            }
        if (!found)
            dropped.push_back("The scenario has no group \"" + name +
                              "\" any more; its market is dropped.");
    }
    return plan;
}

std::shared_ptr<const MarketTable> sharedBuiltInTable() {
    // The built-in table lives for the whole program; nothing is deleted.
    return std::shared_ptr<const MarketTable>(&builtInMarketTable(), [](const MarketTable*) {});
}

void MarketSequence::cycle(const MarketPlan& plan, int startRow, int years) {
    rows_.resize(std::max(years, 0));
    for (int k = 0; k < years; ++k)
        rows_[k] = startRow + k;
    fill(plan);
}

void MarketSequence::randomBlocks(const MarketPlan& plan, uint32_t generatorSeed, int years) {
    const int size = plan.table->size();
    const int block = std::clamp(plan.block, 1, size);
    SeededRandom random(generatorSeed);
    rows_.resize(std::max(years, 0));
    for (int k = 0; k < years; k += block) {
        const int start = random.next() % (size - block + 1);
        for (int j = 0; j < block && k + j < years; ++j)
            rows_[k + j] = start + j;
    }
    fill(plan);
}

void MarketSequence::fill(const MarketPlan& plan) {
    const int years = static_cast<int>(rows_.size());
    groupRates_.assign(static_cast<std::size_t>(years) * kMaxGroups, 0.0f);
    inflation_.resize(years);
    priceLevel_.resize(years + 1);
    priceLevel_[0] = 1.0;
    for (int k = 0; k < years; ++k) {
        const MarketYear& y = plan.table->row(rows_[k]);
        for (int g = 0; g < kMaxGroups; ++g)
            if (plan.groups[g].follows())
                groupRates_[k * kMaxGroups + g] = marketRate(plan.groups[g], y);
        inflation_[k] = y.inflation;
        const float used = plan.historicalInflation ? y.inflation : plan.planInflation;
        priceLevel_[k + 1] = priceLevel_[k] * (1.0 + used * 0.01);
    }
    rates_ = MarketRates{};
    rates_.years = years;
    for (int g = 0; g < kMaxGroups; ++g)
        rates_.follows[g] = plan.groups[g].follows();
    rates_.groupRates = groupRates_.data();
    rates_.inflation = plan.historicalInflation ? inflation_.data() : nullptr;
}

} // namespace finplan
