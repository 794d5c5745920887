// The Trade-Off Analysis dialog's logic: up to three options compared over a number
// of periods, optionally after tax, with a graph through the external grapher.
#pragma once

#include <array>
#include <string>

#include "calculators/calculator_memory.h"
#include "platform/help_contexts.h"
#include "platform/launcher.h"
#include "platform/messages.h"

namespace finplan {

class TradeOffAnalysis {
  public:
    static constexpr int kHelpContext = help::kTradeOffAnalysis;
    // The up-down control's limits: upper 0 and lower 100, so "up" lowers the count.
    static constexpr int kSpinUpper = 0;
    static constexpr int kSpinLower = 100;
    static constexpr std::size_t kNameChars = 19;
    static constexpr std::size_t kValueChars = 9;
    static constexpr int kFieldValues = 12; // the four rows of three options
    // Calculate adds one period at a time: beyond this count the dialog would stall.
    static constexpr int kMaxCalculatedPeriods = 100000;

    // Opening fills the fields from the state and computes the results. taxRate is
    // the plan's Initial Values tax rate; folder is where the two files live ("" for
    // the working directory).
    TradeOffAnalysis(TradeOffState& state, Messages& messages, Launcher& launcher, float taxRate,
                     std::string folder = "");

    bool calculate();                 // "Calculate"; false when the results are refused
    void setUseTaxRate(bool checked); // the "Use Initial Values Tax Rate" box
    void spinTo(int position);        // the up-down arrows on "No of Periods"
    bool graph();                     // "Graph": true when the grapher was started
    bool ok();                        // "OK": false when the values could not be saved

    int spinPosition() const;
    std::string valuesPath() const;
    std::string graphPath() const;

    // "Option Name" row, then the twelve values row by row ("Fixed Cost", "Cost per
    // Period", "Fixed Amount", "Income per Period"), option by option within a row.
    std::array<std::string, kTradeOptions> names;
    std::array<std::string, kFieldValues> values;
    std::string periods; // "No of Periods"
    bool useTaxRate = false;
    // Read-only results: "End Amount" per option; "Differences" 1-2, 2-3, 1-3.
    std::array<std::string, kTradeOptions> endAmounts;
    std::array<std::string, kTradeOptions> differences;

  private:
    void readDialog();
    bool show();

    TradeOffState& state_;
    Messages& messages_;
    Launcher& launcher_;
    float taxRate_;
    std::string folder_;
};

} // namespace finplan
