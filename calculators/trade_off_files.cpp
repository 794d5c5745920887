#include "calculators/trade_off_files.h"

#include <algorithm>
#include <sstream>

#include "calculators/field_text.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/text_lines.h"
#include "text/format.h"

namespace finplan {

namespace {

constexpr std::size_t kNameLineChars = 29;
constexpr std::size_t kValueLineChars = 79;

} // namespace

int tradePeriods(const TradeOffState& state) {
    return wholeNumber(state.values[kTradePeriods]);
}

float tradeTaxFactor(const TradeOffState& state, float taxRate) {
    return state.values[kTradeUseTaxRate] == 1.0f ? static_cast<float>(1 - taxRate * 0.01) : 1.0f;
}

TradeOffOption tradeOption(const TradeOffState& state, int option, float taxFactor) {
    const auto& v = state.values;
    const auto j = static_cast<std::size_t>(option);
    return {taxFactor * v[kTradeFixedAmount + j] - v[kTradeFixedCost + j],
            taxFactor * (v[kTradeIncomePerPeriod + j] - v[kTradeCostPerPeriod + j])};
}

std::array<float, kTradeOptions> tradeEndAmounts(const TradeOffState& state, float taxFactor) {
    std::array<float, kTradeOptions> end{};
    const int periods = tradePeriods(state);
    for (int j = 0; j < kTradeOptions; ++j) {
        const TradeOffOption o = tradeOption(state, j, taxFactor);
        float amount = o.initial;
        for (int n = 0; n < periods; ++n)
            amount = amount + o.perPeriod;
        end[static_cast<std::size_t>(j)] = amount;
    }
    return end;
}

void readTradeOff(std::istream& in, TradeOffState& state) {
    // An overlong name is cut, not carried over into the next line.
    std::string line;
    for (auto& name : state.names) {
        if (!readTextLine(in, line)) return;
        name = line.substr(0, kNameLineChars);
    }
    for (auto& value : state.values) {
        if (!readTextLine(in, line)) return;
        line.resize(std::min(line.size(), kValueLineChars));
        const char* text = line.c_str();
        scanFloat(text, value);
    }
}

void loadTradeOff(const std::string& path, TradeOffState& state) {
    std::string text;
    if (!readTextFile(path, kMaxSettingsFileBytes, text)) {
        state.names = {"Option 1", "Option 2", "Option 3"};
        for (int k = 0; k <= kTradePeriods; ++k)
            state.values[static_cast<std::size_t>(k)] = 0;
        return;
    }
    std::istringstream in(text);
    readTradeOff(in, state);
}

std::string tradeOffFileText(const TradeOffState& state) {
    std::string text;
    for (const auto& name : state.names)
        text += name + "\n";
    for (float v : state.values)
        text += format("%f\n", static_cast<double>(v));
    return text;
}

bool saveTradeOff(const std::string& path, const TradeOffState& state, Messages& messages) {
    const FileResult r = saveTextFile(path, tradeOffFileText(state));
    if (!r) showFileError(messages, "Cannot open tradeinf.dat for writing!", r.reason);
    return r.ok;
}

std::string tradeGraphText(const TradeOffState& state, float taxRate) {
    // The grapher's file taxes at the whole percent of the plan's rate.
    const float wholeRate = static_cast<float>(wholeNumber(taxRate));
    const float f = tradeTaxFactor(state, wholeRate);
    const int periods = tradePeriods(state);

    std::array<float, kTradeOptions> amount{}, perPeriod{};
    std::string text = "1\nDummy\nDummy\nDummy\n";
    text += format("%f\n", static_cast<double>(periods + 2));
    int named = 0;
    for (int j = 0; j < kTradeOptions; ++j) {
        if (state.names[static_cast<std::size_t>(j)].empty()) continue;
        const TradeOffOption o = tradeOption(state, j, f);
        amount[static_cast<std::size_t>(named)] = o.initial;
        perPeriod[static_cast<std::size_t>(named)] = o.perPeriod;
        ++named;
    }
    text += format("%d\n", named);
    for (const auto& name : state.names)
        if (!name.empty()) text += name + "\n";
    for (int r = 0; r <= periods + 1; ++r) {
        for (int k = 0; k < named; ++k)
            text += "0.0\n";
        text += format("%f ", static_cast<double>(r));
        for (int k = 0; k < named; ++k) {
            const auto i = static_cast<std::size_t>(k);
            text += format("%f ", static_cast<double>(amount[i]));
            amount[i] = amount[i] + perPeriod[i];
        }
        text += "\n";
    }
    text += "Done\nDone\n";
    return text;
}

bool writeTradeGraph(const std::string& path, const TradeOffState& state, float taxRate,
                     Messages& messages) {
    const int periods = tradePeriods(state);
    if (periods > kMaxTradePeriods) {
        showFileError(messages, "Too many periods\nPlease try again.");
        return false;
    }
    if (periods < 3) {
        showFileError(messages, "Not enough periods.\nPlease try again.");
        return false;
    }
    const FileResult r = saveTextFile(path, tradeGraphText(state, taxRate));
    if (!r) showFileError(messages, "Cannot open trad.tmp for writing!", r.reason);
    return r.ok;
}

} // namespace finplan
