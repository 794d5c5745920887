#include "calculators/trade_off_analysis.h"

#include "calculators/range_check.h"

#include <cmath>
#include <utility>

#include "calculators/field_text.h"
#include "calculators/trade_off_files.h"
#include "model/file_names.h"
#include "text/format.h"

namespace finplan {

TradeOffAnalysis::TradeOffAnalysis(TradeOffState& kept, Messages& shown, Launcher& programs,
                                   float rateOfTax, std::string workFolder)
    : state_(kept), messages_(shown), launcher_(programs), taxRate_(rateOfTax),
      folder_(std::move(workFolder)) {
    names = kept.names;
    for (int k = 0; k < kFieldValues; ++k)
        values[static_cast<std::size_t>(k)] =
            format("%-6.2f", static_cast<double>(kept.values[static_cast<std::size_t>(k)]));
    periods = format("%3d", tradePeriods(kept));
    useTaxRate = kept.values[kTradeUseTaxRate] == 1.0f;
    // A count too large to compute leaves the results blank without a word here;
    // Calculate says why.
    if (tradePeriods(kept) <= kMaxCalculatedPeriods) show();
}

std::string TradeOffAnalysis::valuesPath() const {
    return folder_.empty() ? files::kTradeOffValues : folder_ + "/" + files::kTradeOffValues;
}

std::string TradeOffAnalysis::graphPath() const {
    return folder_.empty() ? files::kTradeOffGraphData : folder_ + "/" + files::kTradeOffGraphData;
}

int TradeOffAnalysis::spinPosition() const {
    return tradePeriods(state_);
}

void TradeOffAnalysis::readDialog() {
    for (int j = 0; j < kTradeOptions; ++j)
        state_.names[static_cast<std::size_t>(j)] =
            cutText(names[static_cast<std::size_t>(j)], kNameChars);
    for (int k = 0; k < kFieldValues; ++k)
        state_.values[static_cast<std::size_t>(k)] =
            readFloatText(values[static_cast<std::size_t>(k)], kValueChars);
    state_.values[kTradePeriods] = readFloatText(periods, kValueChars);
    state_.values[kTradeUseTaxRate] = useTaxRate ? 1.0f : 0.0f;
}

bool TradeOffAnalysis::show() {
    endAmounts = {};
    differences = {};
    if (tradePeriods(state_) > kMaxCalculatedPeriods)
        return refuseField(messages_,
                           format("The number of periods must not be more than %d.\nPlease try "
                                  "again.",
                                  kMaxCalculatedPeriods),
                           "No of Periods Error!", MessageIcon::Error);
    const auto e = tradeEndAmounts(state_, tradeTaxFactor(state_, taxRate_));
    if (!checkFiniteResults(messages_, {e[0], e[1], e[2], e[0] - e[1], e[1] - e[2], e[0] - e[2]}))
        return false;
    for (std::size_t j = 0; j < e.size(); ++j)
        endAmounts[j] = format("%-10.2f", static_cast<double>(e[j]));
    differences[0] = format("%-10.2f", static_cast<double>(std::fabs(e[0] - e[1])));
    differences[1] = format("%-10.2f", static_cast<double>(std::fabs(e[1] - e[2])));
    differences[2] = format("%-10.2f", static_cast<double>(std::fabs(e[0] - e[2])));
    return true;
}

bool TradeOffAnalysis::calculate() {
    readDialog();
    return show();
}

void TradeOffAnalysis::setUseTaxRate(bool checked) {
    useTaxRate = checked;
    state_.values[kTradeUseTaxRate] = checked ? 1.0f : 0.0f;
    readDialog();
    show();
}

void TradeOffAnalysis::spinTo(int position) {
    state_.values[kTradePeriods] = static_cast<float>(position);
    periods = format("%d", position);
    show();
}

bool TradeOffAnalysis::graph() {
    readDialog();
    if (!show()) return false;
    if (!writeTradeGraph(graphPath(), state_, taxRate_, messages_)) return false;
    return launcher_.launch({files::kTradeOffGrapher, graphPath()});
}

bool TradeOffAnalysis::ok() {
    readDialog();
    return saveTradeOff(valuesPath(), state_, messages_);
}

} // namespace finplan
