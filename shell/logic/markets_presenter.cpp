#include "shell/logic/markets_presenter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/run_context.h"
#include "model/market_table.h"
#include "platform/help_contexts.h"

namespace finplan {

namespace {

std::string shown(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
    return buf;
}

// A number and nothing else (blanks around it allowed).
bool readNumber(const std::string& text, float& v) {
    const char* begin = text.c_str();
    char* end = nullptr;
    v = std::strtof(begin, &end);
    if (end == begin) return false;
    while (*end == ' ')
        ++end;
    return *end == '\0' && std::isfinite(v);
}

MarketsField rowField(MarketsField first, std::size_t row) {
    return marketsField(first, static_cast<int>(row));
}

} // namespace

MarketsPresenter::MarketsPresenter(const Scenario& scenario, MarketSettings& settings,
                                   Messages& messages)
    : historicalInflation(settings.historicalInflation), settings_(settings), messages_(messages) {
    dialogTitle = "Markets";
    for (int g = 0; g < kMaxGroups; ++g) {
        if (!scenario.groups.exists(g)) continue;
        const std::string name = groupName(scenario, g);
        const MarketChoice c = settings.choiceOf(name);
        rows.push_back(MarketRowTexts{name, c.market, shown(c.stocksShare), shown(c.adjustment)});
    }
    addHeading("Group", false);
    addHeading("Follows", true);
    addHeading("Stocks Share\n(%)", true);
    addHeading("Adjustment\n(points a year)", true);
    for (std::size_t i = 0; i < rows.size(); ++i)
        addRowFields(static_cast<int>(i));
    if (rows.empty())
        addNote("The scenario has no named groups: name them in the Groups dialog first.", false);
    addCheck(MarketsField::HistoricalInflation, "&Historical inflation", historicalInflation).name =
        "historicalInflation";
    addNote(kMarketDataCredit, true);
    addButton(MarketsField::Ok, "OK").name = "OK";
    addButton(MarketsField::Cancel, "Cancel").name = "Cancel";
    addButton(MarketsField::Help, "Help").name = "Help";
    defaultId = MarketsField::Ok;
    cancelId = MarketsField::Cancel;
}

void MarketsPresenter::addRowFields(int row) {
    const MarketRowTexts& texts = rows[static_cast<std::size_t>(row)];
    const std::string line = std::to_string(row + 1);
    addCombo(marketsField(MarketsField::FirstMarket, row), texts.group,
             {std::begin(kMarketNames), std::end(kMarketNames)}, static_cast<int>(texts.market))
        .name = "market" + line;
    FormField& share = addEdit(marketsField(MarketsField::FirstShare, row), "", texts.stocksShare);
    share.name = "share" + line;
    share.sameRow = true;
    FormField& adjustment =
        addEdit(marketsField(MarketsField::FirstAdjustment, row), "", texts.adjustment);
    adjustment.name = "adjustment" + line;
    adjustment.sameRow = true;
    enableRow(row);
}

void MarketsPresenter::enableRow(int row) {
    const Market m = rows[static_cast<std::size_t>(row)].market;
    field(marketsField(MarketsField::FirstShare, row)).enabled = m == Market::Mix;
    field(marketsField(MarketsField::FirstAdjustment, row)).enabled = m != Market::None;
}

void MarketsPresenter::choose(ControlId id, int index) {
    DialogPresenter::choose(id, index);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (id == rowField(MarketsField::FirstMarket, i)) {
            rows[i].market = static_cast<Market>(index);
            enableRow(static_cast<int>(i));
        }
}

void MarketsPresenter::readFields() {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].market =
            static_cast<Market>(field(rowField(MarketsField::FirstMarket, i)).selected);
        rows[i].stocksShare = field(rowField(MarketsField::FirstShare, i)).text;
        rows[i].adjustment = field(rowField(MarketsField::FirstAdjustment, i)).text;
    }
    historicalInflation = field(MarketsField::HistoricalInflation).checked;
}

Press MarketsPresenter::press(ControlId button) {
    if (button == MarketsField::Help) {
        if (help_) help_->showContext(help::kGroups);
        return Press::Stay;
    }
    if (button != MarketsField::Ok) return Press::Reject;
    readFields();
    if (ok()) return Press::Accept;
    if (refusedRow >= 0) {
        const MarketsField first = refusedField == Field::StocksShare
                                       ? MarketsField::FirstShare
                                       : MarketsField::FirstAdjustment;
        passed(rowField(first, static_cast<std::size_t>(refusedRow)), false);
    }
    return Press::Stay;
}

bool MarketsPresenter::ok() {
    refusedRow = -1;
    MarketSettings next = settings_;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MarketRowTexts& row = rows[i];
        MarketChoice c;
        c.market = row.market;
        float share = kDefaultStocksShare;
        if (row.market == Market::Mix &&
            !(readNumber(row.stocksShare, share) && share >= 0 && share <= 100)) {
            refusedRow = static_cast<int>(i);
            refusedField = Field::StocksShare;
            messages_.show("The stocks share must be between 0 and 100.", "Rate Error",
                           MessageIcon::Warning);
            return false;
        }
        float adjustment = 0;
        if (row.market != Market::None &&
            !(readNumber(row.adjustment, adjustment) && adjustment >= kMinMarketAdjustment &&
              adjustment <= kMaxMarketAdjustment)) {
            refusedRow = static_cast<int>(i);
            refusedField = Field::Adjustment;
            messages_.show("The adjustment must be between -20.00 and 20.00 points a year.",
                           "Rate Error", MessageIcon::Warning);
            return false;
        }
        c.stocksShare = share;
        c.adjustment = adjustment;
        next.setChoice(row.group, c);
    }
    next.historicalInflation = historicalInflation;
    settings_ = std::move(next);
    return true;
}

} // namespace finplan
