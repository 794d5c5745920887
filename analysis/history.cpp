#include "analysis/history.h"

#include <algorithm>
#include <atomic>

#include "analysis/worker_threads.h"
#include "engine/run_context.h"

namespace finplan {

namespace {

std::vector<FailureCause> cycleCauses(const TrialTemplate& t, const FailureTracker& f) {
    std::vector<FailureCause> out;
    const Scenario& s = *t.scenario;
    for (int c = 0; c < f.causeCount(); ++c) {
        FailureCause cause;
        cause.accountIndex = f.causeAccount();
        if (cause.accountIndex >= 0)
            cause.account = accountName(s.accounts.accounts[cause.accountIndex]);
        cause.eventIndex = f.causes()[c].tag;
        cause.event = failureCauseEvent(s, cause.eventIndex);
        cause.share = static_cast<double>(f.causes()[c].units) / static_cast<double>(kTrialUnits);
        out.push_back(std::move(cause));
    }
    std::stable_sort(out.begin(), out.end(), [](const FailureCause& a, const FailureCause& b) {
        return a.share > b.share;
    });
    return out;
}

void runCycle(const TrialTemplate& t, const MarketPlan& plan, int startRow, TrialRunner& runner,
              MarketSequence& sequence, CycleResult& c) {
    sequence.cycle(plan, startRow, t.planYears);
    c.startYear = plan.table->row(startRow).year;
    c.netWorth.assign(t.ageCount, 0.0f);
    c.savings.assign(t.ageCount, 0.0f);
    const TrialOutcome o = runner.runMarket(sequence.rates(), c.netWorth.data(), c.savings.data());
    c.failed = o.failed;
    c.failureAge = o.failureAge;
    if (o.failed) c.causes = cycleCauses(t, runner.failure());
    c.priceLevel.resize(t.ageCount);
    for (int i = 0; i < t.ageCount; ++i)
        c.priceLevel[i] = sequence.priceLevel(std::min(i, t.planYears));
    const int last = t.ageCount - 1;
    c.endNetWorth = c.netWorth[last];
    c.endNetWorthReal = c.netWorth[last] / c.priceLevel[last];
    const auto lowest = std::min_element(c.savings.begin(), c.savings.end());
    c.minSavings = *lowest;
    c.minSavingsAge = t.firstAge + static_cast<int>(lowest - c.savings.begin());
}

} // namespace

const CycleResult* HistoryResults::cycle(int startYear) const {
    for (const CycleResult& c : cycles)
        if (c.startYear == startYear) return &c;
    return nullptr;
}

std::vector<int> HistoryResults::byRealEnd() const {
    std::vector<int> order(cycles.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return cycles[a].endNetWorthReal < cycles[b].endNetWorthReal;
    });
    return order;
}

HistoryResults runHistory(const Scenario& scenario, std::shared_ptr<const MarketPlan> plan,
                          const HistorySettings& settings, TrialControl& control, int badYearRun,
                          LocalTime time) {
    HistoryResults r;
    r.settings = settings;
    r.plan = plan;
    r.badYearRun = badYearRun;
    r.time = time;
    const TrialTemplate t =
        makeTrialTemplate(scenario, TrialRandomMode::History, 0, badYearRun, time, plan);
    r.firstAge = t.firstAge;
    r.ageCount = t.ageCount;
    r.planYears = t.planYears;
    if (t.ageCount == 0 || t.planYears == 0) return r;
    const MarketTable& table = *plan->table;
    r.firstPossibleYear = table.firstYear();
    r.lastPossibleYear = table.lastYear() - t.planYears + 1;
    const int from = std::max(settings.fromYear > 0 ? settings.fromYear : 0, r.firstPossibleYear);
    const int to =
        std::min(settings.toYear > 0 ? settings.toYear : r.lastPossibleYear, r.lastPossibleYear);
    if (from > to) {
        r.status = HistoryStatus::NoCycle;
        return r;
    }
    const int count = to - from + 1;
    const int firstRow = from - table.firstYear();
    r.cycles.resize(count);
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    const int threads = analysisThreads(settings.threads, count);
    runWorkerThreads(
        threads,
        [&](int) {
            TrialRunner runner(t);
            MarketSequence sequence;
            for (int i = next.fetch_add(1); i < count && !control.cancelled();
                 i = next.fetch_add(1)) {
                runCycle(t, *plan, firstRow + i, runner, sequence, r.cycles[i]);
                done.fetch_add(1, std::memory_order_relaxed);
            }
        },
        control, done, count);
    if (control.cancelled()) {
        HistoryResults cancelled;
        cancelled.status = HistoryStatus::Cancelled;
        cancelled.settings = settings;
        return cancelled;
    }
    for (const CycleResult& c : r.cycles)
        r.failed += c.failed ? 1 : 0;
    r.status = HistoryStatus::Completed;
    return r;
}

std::optional<TrialReplay> cycleReplay(const HistoryResults& r, int startYear) {
    if (!r.plan || r.cycle(startYear) == nullptr) return std::nullopt;
    // A cycle's run draws nothing; its generator is the one every cycle had.
    return TrialReplay{TrialRandomMode::History, 0, r.badYearRun, r.time, r.plan, startYear};
}

std::string noCycleText(const HistoryResults& r) {
    if (r.planYears > 0 && r.plan && r.planYears > r.plan->table->size())
        return "The plan runs " + std::to_string(r.planYears) + " years; the market history has " +
               std::to_string(r.plan->table->size()) + " (" +
               std::to_string(r.plan->table->firstYear()) + " to " +
               std::to_string(r.plan->table->lastYear()) + "), so no complete cycle fits.";
    return "No start year from " + std::to_string(r.settings.fromYear) + " to " +
           std::to_string(r.settings.toYear) + " completes the plan; start years run from " +
           std::to_string(r.firstPossibleYear) + " to " + std::to_string(r.lastPossibleYear) + ".";
}

} // namespace finplan
