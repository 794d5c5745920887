// The Markets dialog without its widgets: one row per named group (the market it
// follows, the stocks share of a mix, the adjustment in points a year) and the
// historical-inflation check box. OK checks every row before anything is stored, so a
// refused row or Cancel leaves the settings as they were. The rows' texts are the
// model; the form's fields show them.
#pragma once

#include <string>
#include <vector>

#include "model/market_file.h"
#include "model/scenario.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

// The market list's entries, in the order the list shows them.
inline constexpr const char* kMarketNames[] = {"None (own rates)", "US stocks", "US bonds",
                                               "Stocks and bonds mix", "Inflation"};

struct MarketRowTexts {
    std::string group;
    Market market = Market::None;
    std::string stocksShare; // percent, for a mix
    std::string adjustment;  // points a year
};

class MarketsPresenter : public DialogPresenter {
  public:
    MarketsPresenter(const Scenario& scenario, MarketSettings& settings, Messages& messages);
    // Where the Help button leads (the desktop's help; nothing without it).
    void helpWith(Help& help) { help_ = &help; }

    Press press(ControlId button) override;
    void choose(ControlId id, int index) override;

    std::vector<MarketRowTexts> rows; // the named groups, in slot order
    bool historicalInflation = true;

    // True when every row passed and the settings were changed; the row and field
    // refused are in refusedRow (-1: none) and refusedField.
    enum class Field { StocksShare, Adjustment };
    bool ok();
    int refusedRow = -1;
    Field refusedField = Field::StocksShare;

  private:
    void addRowFields(int row);
    void enableRow(int row); // the share of a mix; the adjustment of any market
    void readFields();

    MarketSettings& settings_;
    Messages& messages_;
    Help* help_ = nullptr;
};

} // namespace finplan
