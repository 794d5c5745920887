// Plans whose amounts grow past the largest float: every amount of the schedule and of
// the plot rows stays a number, and the schedule says once what went beyond.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <vector>

#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

// Keeps the plot rows a run hands over.
class RowRecorder : public PlotSink {
  public:
    bool begin() override { return true; }
    void header(float, int) override {}
    void accountName(int, const char*) override {}
    void rowStart(int, const PlotRow& row, const float* balances, int n, float) override {
        rows.push_back(row);
        for (int i = 0; i < n; ++i)
            values.push_back(balances[i]);
    }
    void rowEnd(int, const PlotRow& row, float written) override {
        rows.push_back(row);
        values.push_back(written);
    }
    void ageTotals(int, const float (&v)[7]) override { values.insert(values.end(), v, v + 7); }
    void end(const Scenario&) override {}

    std::vector<PlotRow> rows;
    std::vector<float> values;
};

TEST(HeldAmounts, AmountsBeyondTheLargestFloatAreHeldAndNamedOnce) {
    const struct {
        const char* what;
        std::function<void(Scenario&)> plan;
        const char* culprit;
    } cases[] = {
        {"a mortgage appreciating 1000 % a year",
         [](Scenario& s) {
             Event& m = addEvent(s, EventKind::Mortgage, "Home", 60, 100, 300000);
             m.downPayment = 60000;
             m.loanRate = 6;
             m.years = 30;
             m.appreciationRate = 1000;
         },
         "Home"},
        {"savings near the largest float earning 50 %",
         [](Scenario& s) { addAccount(s, "Hoard", kInvestment, 3e38f, 50, "0"); }, "Hoard"},
        {"a withdrawal growing with 1000 % inflation",
         [](Scenario& s) {
             s.initial.inflationRate = 1000;
             addEvent(s, EventKind::Withdrawal, "Living", 60, 100, 1e6f).applyInflation = 1;
         },
         "Living"},
        {"property taxes growing with 1000 % inflation",
         [](Scenario& s) {
             s.initial.inflationRate = 1000;
             Event& m = addEvent(s, EventKind::Mortgage, "Flat", 60, 100, 200000);
             m.loanRate = 5;
             m.years = 30;
             m.yearlyPropertyTax = 5000;
             m.applyInflation = 1;
         },
         "Flat"},
        {"a deposit taxed at 1000 %",
         [](Scenario& s) {
             s.initial.taxRate = 1000;
             addEvent(s, EventKind::Deposit, "Pay", 60, 100, 3e38f).taxDeposit = 1;
         },
         "Pay"},
    };
    const std::regex nonFinite(R"((^|[^A-Za-z])-?(inf|nan)([^A-Za-z]|$))");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto s = newScenario(60, 100, 15);
        addAccount(*s, "Savings", kInvestment, 1e6f, 5, "1");
        c.plan(*s);
        RowRecorder plot;
        const auto run = runList(*s, {true, true}, {}, &plot);
        ASSERT_TRUE(run->ok);
        int named = 0;
        for (const std::string& line : run->list.lines) {
            EXPECT_FALSE(std::regex_search(line, nonFinite)) << line;
            if (line.find("went beyond the largest amount") == std::string::npos) continue;
            ++named;
            EXPECT_EQ(line.rfind(std::string("  ") + c.culprit + " went beyond", 0), 0u) << line;
        }
        EXPECT_EQ(named, 1);
        for (const PlotRow& row : plot.rows)
            for (int f = 0; f < kPlotFieldCount; ++f)
                ASSERT_TRUE(std::isfinite(row.field(f))) << "field " << f;
        for (float v : plot.values)
            ASSERT_TRUE(std::isfinite(v));
    }
}

} // namespace
} // namespace finplan::test
