#include "analysis/history_report.h"

#include <algorithm>

#include "engine/money.h"

namespace finplan {

std::string historySuccessText(const HistoryResults& r) {
    const int n = static_cast<int>(r.cycles.size());
    return format("%d of %d start years (%.1f%%)", n - r.failed, n, 100.0 * r.successRate());
}

std::string failingYearLine(const CycleResult& c) {
    std::string line = format("%d  ran dry at %d", c.startYear, c.failureAge);
    if (c.causes.empty()) return line;
    const FailureCause& first = c.causes.front();
    line += ": " + (first.accountIndex >= 0 ? first.account : std::string("Savings")) + ", paying ";
    for (std::size_t i = 0; i < c.causes.size(); ++i) {
        if (i > 0) line += "; ";
        line += format("%s (%.0f%%)", c.causes[i].event.c_str(), 100.0 * c.causes[i].share);
    }
    return line;
}

std::vector<std::string> failingYearLines(const HistoryResults& r) {
    std::vector<std::string> lines;
    for (const CycleResult& c : r.cycles)
        if (c.failed) lines.push_back(failingYearLine(c));
    return lines;
}

std::string historyReportText(const HistoryResults& r) {
    const MarketTable& table = *r.plan->table;
    std::string out =
        format("History: %d cycles of %d years, start years %d to %d (market data %d to %d)\n",
               static_cast<int>(r.cycles.size()), r.planYears, r.cycles.front().startYear,
               r.cycles.back().startYear, table.firstYear(), table.lastYear());
    out += std::string("Inflation: ") +
           (r.plan->historicalInflation ? "historical" : "the plan's own rates") + "\n";
    out += "Success rate: " + historySuccessText(r) + "\n";
    const std::vector<std::string> failing = failingYearLines(r);
    if (failing.empty()) {
        out += "No start year ran out of savings.\n";
    } else {
        out += "Failing start years:\n";
        for (const std::string& line : failing)
            out += "  " + line + "\n";
    }
    const std::vector<int> order = r.byRealEnd();
    out += "Worst start years by ending net worth (start-year dollars):\n";
    for (int i = 0; i < std::min<int>(kWorstShown, static_cast<int>(order.size())); ++i) {
        const CycleResult& c = r.cycles[order[i]];
        out +=
            format("  %d  %s\n", c.startYear, money(static_cast<float>(c.endNetWorthReal)).c_str());
    }
    const CycleResult& median = r.cycles[order[(order.size() - 1) / 2]];
    out += format("Median ending net worth (start-year dollars): %s (start year %d)\n",
                  money(static_cast<float>(median.endNetWorthReal)).c_str(), median.startYear);
    return out;
}

std::string historyCsvText(const HistoryResults& r, char separator) {
    std::string out;
    for (const char* name : {"start_year", "success", "failed_age", "end_net_worth",
                             "end_net_worth_real", "min_savings", "min_savings_age"}) {
        if (!out.empty()) out += separator;
        out += name;
    }
    out += '\n';
    const char s = separator;
    for (const CycleResult& c : r.cycles) {
        const std::string failedAge = c.failed ? std::to_string(c.failureAge) : std::string();
        out += format("%d%c%d%c%s%c%.2f%c%.2f%c%.2f%c%d\n", c.startYear, s, c.failed ? 0 : 1, s,
                      failedAge.c_str(), s, static_cast<double>(c.endNetWorth), s,
                      c.endNetWorthReal, s, static_cast<double>(c.minSavings), s, c.minSavingsAge);
    }
    return out;
}

} // namespace finplan
