// The texts of a history analysis: the report the command line prints and the
// Analysis folder shows, and the one-line-per-cycle CSV table.
#pragma once

#include <string>
#include <vector>

#include "analysis/history.h"

namespace finplan {

inline constexpr int kWorstShown = 5;

// "117 of 123 start years (95.1%)".
std::string historySuccessText(const HistoryResults& r);
// One line per failing start year: the age it ran dry and why.
std::vector<std::string> failingYearLines(const HistoryResults& r);
// "1966  ran dry at 84: Stocks, paying Withdrawal ... (100%)" for one failing cycle.
std::string failingYearLine(const CycleResult& c);
// The whole report: the cycles, the success rate, the failing start years, the worst
// five by ending net worth in start-year dollars and the median.
std::string historyReportText(const HistoryResults& r);
// start_year,success,failed_age,end_net_worth,end_net_worth_real,min_savings,min_savings_age:
// a header row and one row per cycle, fields separated by separator (',' or '\t').
std::string historyCsvText(const HistoryResults& r, char separator = ',');

} // namespace finplan
