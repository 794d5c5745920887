// The engine's working state for one run: totals, tallies, rates in force, the
// smart-withdrawal signal and the loan amortisers. One object per run in progress;
// a many-run analysis gives each thread its own.
#pragma once

#include <array>
#include <cmath>

#include "engine/amount_limit.h"
#include "engine/event_schedule.h"
#include "engine/loan_amortiser.h"
#include "engine/plot_row.h"
#include "model/records.h"
#include "model/whole_number.h"

namespace finplan {

// Where the schedule lines of a run go.
enum class RunMode { List = 0, ResultsFile = 1, PrintFile = 2 };

// Flags set by the command that starts a run and cleared after it.
struct RunFlags {
    bool randomAccountRates = false;
    bool randomGroupRates = false;
    bool prepareOnly = false;
    bool savingResults = false;
    bool printingResults = false;
};

// The two view settings of the Results folder; they persist between runs.
struct ViewSettings {
    bool showDetails = false;
    bool showAccounts = false;
};

struct YearTallies {
    float totalIncoming = 0;
    float deposits = 0;
    float taxableIncome = 0;
    float nonTaxableIncome = 0;
    float loans = 0;
    float equitySales = 0;
    float appreciation = 0;
    float depreciation = 0;
    float withdrawals = 0;
    float interestPaid = 0;
    float taxes = 0;
    float penalties = 0;
    float taxOnSavingsInterest = 0;
    float taxesOnWithdrawals = 0;
    float depositTaxes = 0;
    float propertyTaxes = 0;
    float closingCosts = 0;

    // The tallies counted per year (reset when a year begins).
    void resetPerYear() {
        totalIncoming = deposits = taxableIncome = nonTaxableIncome = loans = 0;
        equitySales = appreciation = depreciation = withdrawals = interestPaid = 0;
        taxes = penalties = 0;
    }
};

struct GroupRateStats {
    float count = 0;
    float sum = 0;
    float min = 100.0f;
    float max = -100.0f;
};

// The last inflated property tax of a mortgage, so the next year multiplies once
// more instead of compounding from the first year again (the same float steps).
struct PropertyTaxMemo {
    float base = 0;
    float rate = 0;
    int years = -1;
    float value = 0;
};

struct RunState {
    // Set through setAge, which keeps its whole number beside it (asked for by every
    // payment a trial watches and every age row).
    float currentAge = 0;
    int wholeCurrentAge = 0;
    void setAge(float age) {
        currentAge = age;
        wholeCurrentAge = wholeNumber(age);
    }
    float loopStartAge = 0;
    float plotStartAge = 0;
    float endAge = 0;
    float yearFraction = 1.0f;

    float investmentTotal = 0;
    float taxFreeTotal = 0;
    float retirementTotal = 0;
    float equityTotal = 0;
    float assetTotal = 0;
    float liabilities = 0;
    float mortgagePrincipalThisYear = 0;
    float startNetWorth = 0;

    float taxRateInEffect = 15.0f;
    float inflationRateInEffect = 4.0f;
    float penaltyAge = 59.0f;
    float penaltyRate = 10.0f;

    YearTallies tallies;

    int badYear = 0;
    float rateShortfall = 0;
    int badYearRun = 0; // carries over between runs on purpose

    std::array<GroupRateStats, kMaxGroups> groupStats{};
    std::array<float, kMaxGroups> groupDrawnRate{};
    std::array<bool, kMaxGroups> groupReported{};

    int plotRowIndex = -1;
    PlotRow row;          // the plotted year in progress
    bool rowOpen = false; // row stored at the year start, awaiting its year-end values

    // The events each year after the first visits.
    EventSchedule schedule;

    // Each loan's amortisation carried from year to year, by event slot.
    std::array<LoanAmortiser, kMaxEvents> amortisers{};
    std::array<PropertyTaxMemo, kMaxEvents> propertyTax{};

    // True while the lines before the year loop are written (no age gate).
    bool beforeLoop = true;
    // An amount was held since the last checkpoint (engine/amount_limit.h).
    bool amountHeld = false;
    // A running total or tally may be beyond the largest amount since the last
    // checkpoint. Every change of one goes through add, subtract or set below, so a
    // checkpoint reads this flag instead of all 25 of them after every step.
    bool totalMayBeBeyond = false;
    // An account balance may be beyond the largest amount since the last checkpoint
    // that looked at them all. Every change of a balance goes through addToBalance,
    // subtractFromBalance or setBalance (a credit of interest is held instead), so the
    // checkpoints need not read up to 50 balances twice a year.
    bool balanceMayBeBeyond = false;
    // The same for the amounts of an event (its value, principal and interest paid and
    // monthly payment): changed through addToEventAmount or setEventAmount (or held by
    // ctx.held), so the checkpoint after each event need not read them.
    bool eventAmountMayBeBeyond = false;
    // The schedule has said that an amount went beyond the largest (once a run).
    bool heldAmountShown = false;

    // total += v, total -= v and total = v for a running total or tally (v a float or
    // a double, worked out exactly as the plain operator would), noting an amount
    // beyond the largest for the next checkpoint; the same for an account balance and
    // an event's amount, each with its own flag.
    template <class T> void add(float& total, T v) { note(total += v, totalMayBeBeyond); }
    template <class T> void subtract(float& total, T v) { note(total -= v, totalMayBeBeyond); }
    void set(float& total, float v) { note(total = v, totalMayBeBeyond); }
    template <class T> void addToBalance(float& balance, T v) {
        note(balance += v, balanceMayBeBeyond);
    }
    template <class T> void subtractFromBalance(float& balance, T v) {
        note(balance -= v, balanceMayBeBeyond);
    }
    void setBalance(float& balance, float v) { note(balance = v, balanceMayBeBeyond); }
    template <class T> void addToEventAmount(float& amount, T v) {
        note(amount += v, eventAmountMayBeBeyond);
    }
    void setEventAmount(float& amount, float v) { note(amount = v, eventAmountMayBeBeyond); }
    static void note(float amount, bool& mayBeBeyond) {
        if (!(std::fabs(amount) <= kLargestAmount)) mayBeBeyond = true;
    }

    // Totals each within the largest amount may still add up beyond it.
    float netWorth() const {
        return heldAmount(investmentTotal + taxFreeTotal + retirementTotal + equityTotal +
                          assetTotal - liabilities);
    }
    // The running total of an account type; nullptr for an unknown type. Inline: the
    // year loop asks for every payment.
    float* typeTotal(AccountType type) {
        switch (type) {
        case AccountType::Asset:
            return &assetTotal;
        case AccountType::Equity:
            return &equityTotal;
        case AccountType::InvestmentSavings:
            return &investmentTotal;
        case AccountType::RetirementSavings:
            return &retirementTotal;
        case AccountType::TaxFreeSavings:
            return &taxFreeTotal;
        default:
            return nullptr;
        }
    }
};

} // namespace finplan
