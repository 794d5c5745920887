#include "analysis/trials_report.h"

#include "engine/money.h"

namespace finplan {

namespace {

const char* const kBandNames[kBandCount] = {"P10", "P25", "P50", "P75", "P90"};

std::string bandRow(const TrialResults& r, int a) {
    std::string row = format("%-5d%8d", r.firstAge + a, r.failuresByAge[a]);
    for (float v : r.netWorth[a])
        row += format(" %15s", money13(v).c_str());
    for (float v : r.savings[a])
        row += format(" %15s", money13(v).c_str());
    return row;
}

std::string bandHeader() {
    std::string h = format("%-5s%8s", "Age", "Failed");
    for (const char* n : kBandNames)
        h += format(" %15s", (std::string("Net Worth ") + n).c_str());
    for (const char* n : kBandNames)
        h += format(" %15s", (std::string("Savings ") + n).c_str());
    return h;
}

} // namespace

const char* trialModeName(TrialRandomMode mode) {
    switch (mode) {
    case TrialRandomMode::Groups:
        return "groups";
    case TrialRandomMode::History:
        return "history";
    case TrialRandomMode::Accounts:
        break;
    }
    return "accounts";
}

std::string trialModeText(const TrialResults& r) {
    if (r.settings.mode == TrialRandomMode::History)
        return format("random history in blocks of %d years",
                      r.settings.market ? r.settings.market->block : 0);
    return format("random %s rates",
                  r.settings.mode == TrialRandomMode::Groups ? "group" : "account");
}

std::string successRateText(const TrialResults& r) {
    return format("%.1f%%", 100.0 * r.successRate());
}

std::string failureAgesText(const TrialResults& r) {
    if (r.failed == 0) return "No trial ran out of savings.";
    const auto q = failureAgeQuartiles(r);
    return format("Failure ages: 25%% by %d, median %d, 75%% by %d", q[0], q[1], q[2]);
}

std::vector<std::string> whyLines(const TrialResults& r) {
    std::vector<std::string> lines;
    for (const FailureCause& c : r.causes) {
        const std::string account = c.accountIndex >= 0 ? c.account : "Savings";
        lines.push_back(format("%5.1f%%  %s ran dry paying %s", 100.0 * c.share, account.c_str(),
                               c.event.c_str()));
    }
    return lines;
}

std::string trialsReportText(const TrialResults& r) {
    std::string out =
        format("Trials: %d, %s, seed %u\n", r.trialsRun, trialModeText(r).c_str(), r.settings.seed);
    out += "Success rate: " + successRateText(r) + "\n";
    out += failureAgesText(r) + "\n";
    if (!r.causes.empty()) {
        out += "Why plans fail:\n";
        for (const std::string& line : whyLines(r))
            out += "  " + line + "\n";
    }
    if (!r.exactBands) out += "Percentiles placed within value bins 1.2% wide.\n";
    out += "\n" + bandHeader() + "\n";
    for (int a = 0; a < r.ageCount; ++a)
        out += bandRow(r, a) + "\n";
    return out;
}

std::string trialsTableText(const TrialResults& r, char separator) {
    std::string out = "Age";
    out += separator;
    out += "Failed";
    for (const char* n : kBandNames)
        out += separator + std::string("Net Worth ") + n;
    for (const char* n : kBandNames)
        out += separator + std::string("Savings ") + n;
    out += '\n';
    for (int a = 0; a < r.ageCount; ++a) {
        out += format("%d%c%d", r.firstAge + a, separator, r.failuresByAge[a]);
        for (float v : r.netWorth[a])
            out += format("%c%.2f", separator, v);
        for (float v : r.savings[a])
            out += format("%c%.2f", separator, v);
        out += '\n';
    }
    return out;
}

std::string fanChartTitle(const TrialResults& r, TrialChart chart) {
    return format(chart == TrialChart::Savings ? "TOTAL SAVINGS IN %d TRIALS"
                                               : "NET WORTH IN %d TRIALS",
                  r.trialsRun);
}

} // namespace finplan
