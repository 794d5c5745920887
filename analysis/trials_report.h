// The texts of a many-trial analysis: the report the command line prints and the
// Analysis folder shows, and the percentile table exported as tab-delimited or
// comma-separated text.
#pragma once

#include <string>
#include <vector>

#include "analysis/trials.h"

namespace finplan {

const char* trialModeName(TrialRandomMode mode); // "accounts", "groups" or "history"
// "random account rates", "random group rates" or "random history in blocks of 10 years".
std::string trialModeText(const TrialResults& r);

std::string successRateText(const TrialResults& r); // e.g. "73.5%"
// "Failure ages: 25% by 78, median 82, 75% by 86", or that no trial failed.
std::string failureAgesText(const TrialResults& r);
// One line per cause: share, the account that ran dry and the payment.
std::vector<std::string> whyLines(const TrialResults& r);
// The whole report: what ran, the success rate, the failure ages, the causes and
// the percentile table.
std::string trialsReportText(const TrialResults& r);

// Age, failures, the five net worth and five savings percentiles: a header row and one
// row per age, fields separated by separator ('\t' or ','), numbers without grouping.
std::string trialsTableText(const TrialResults& r, char separator);

// What a fan chart of the analysis shows: net worth or total savings.
enum class TrialChart { NetWorth, Savings };
// "NET WORTH IN 1000 TRIALS" or "TOTAL SAVINGS IN 1000 TRIALS".
std::string fanChartTitle(const TrialResults& r, TrialChart chart);

} // namespace finplan
