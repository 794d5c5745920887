// finplan calc mortgage|refinance|accelerated|schedule|inflation|investment|tradeoff
// Each calculator's dialog without a window: the options are the texts typed into its
// fields, the results are printed as "Label: value". A refused field prints the
// calculator's own message and title on standard error and exits with 1.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "calculators/accelerated_payment.h"
#include "calculators/field_text.h"
#include "calculators/inflation_calculators.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/mortgage_schedule.h"
#include "calculators/refinance_analysis.h"
#include "calculators/trade_off_analysis.h"
#include "calculators/trade_off_files.h"
#include "model/scenario_ops.h"
#include "text/format.h"

namespace finplan::cli {

namespace {

void print(const std::string& label, const std::string& value) {
    std::cout << label << ": " << trimText(value) << '\n';
}

void refused() {
    throw CLI::RuntimeError(1);
}

// The plan's initial values of a new scenario: what the calculators that read the
// plan see when no file is given.
InitialValues newPlanValues() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    return s->initial;
}

void addMortgage(CLI::App& calc) {
    // Unset options keep the texts the dialog shows when first opened.
    auto texts = std::make_shared<MortgageCalculatorMemory>();
    CLI::App* cmd = calc.add_subcommand("mortgage", "Monthly payment of a fixed-rate mortgage");
    cmd->add_option("--amount", texts->amountText, "Amount");
    cmd->add_option("--down", texts->downPaymentText, "Down Payment");
    cmd->add_option("--rate", texts->rateText, "Rate in percent");
    cmd->add_option("--years", texts->yearsText, "No Of Years");
    cmd->callback([texts] {
        StderrMessages messages;
        MortgageCalculatorMemory memory = *texts;
        MortgageCalculator calculator(memory, messages);
        if (!calculator.calculate()) refused();
        print("Monthly Payment", calculator.monthlyPayment);
    });
}

struct RefinanceOptions {
    std::string startAge = "0", amount = "0.0", rate = "0.0", years = "0";
    std::string refiAge = "0.0", refiAmount = "0.0", refiRate = "0.0", refiYears = "0";
    std::string closingCosts = "0.0", points = "0.0";
    bool includeClosing = false, includePoints = false;
    float taxRate = 15.0f;
};

void addRefinance(CLI::App& calc) {
    auto o = std::make_shared<RefinanceOptions>();
    CLI::App* cmd = calc.add_subcommand("refinance", "Refinance analysis: months to break even");
    cmd->add_option("--start-age", o->startAge, "Start Age of Mortgage")->required();
    cmd->add_option("--amount", o->amount, "Existing mortgage Amount")->required();
    cmd->add_option("--rate", o->rate, "Existing mortgage Rate in percent")->required();
    cmd->add_option("--years", o->years, "Existing mortgage No of Years")->required();
    cmd->add_option("--refi-age", o->refiAge, "Age at Refinancing")->required();
    cmd->add_option("--refi-amount", o->refiAmount,
                    "Refinanced Amount (0: the balance at refinancing)")
        ->required();
    cmd->add_option("--refi-rate", o->refiRate, "Refinanced Rate in percent")->required();
    cmd->add_option("--refi-years", o->refiYears, "Refinanced No of Years")->required();
    cmd->add_option("--closing", o->closingCosts, "Closing Costs");
    cmd->add_flag("--include-closing", o->includeClosing, "Include closing costs in mortgage");
    cmd->add_option("--points", o->points, "Mortgage Points in percent");
    cmd->add_flag("--include-points", o->includePoints, "Include points in mortgage");
    cmd->add_option("--tax-rate", o->taxRate,
                    "Tax rate the last run left in force (15 before any run)");
    cmd->callback([o] {
        StderrMessages messages;
        RefinanceMemory memory;
        RefinanceAnalysis r(memory, messages);
        r.startAge = o->startAge, r.amount = o->amount, r.rate = o->rate, r.years = o->years;
        r.refiAge = o->refiAge, r.refiAmount = o->refiAmount, r.refiRate = o->refiRate;
        r.refiYears = o->refiYears, r.closingCosts = o->closingCosts, r.points = o->points;
        r.includeClosingCosts = o->includeClosing;
        r.includePoints = o->includePoints;
        if (!r.doAnalysis(o->taxRate)) refused();
        print("Refinanced Mortgage Amount", r.refiAmount);
        print("Refinanced Mortgage Monthly Payment", r.refiMonthlyPayment);
        print("Refinanced Amount", r.refinancedAmount);
        print("Total Mortgage Costs", r.totalMortgageCosts);
        print("Months to Break Even", r.monthsToBreakEven);
    });
}

struct AcceleratedOptions {
    std::string loan, years, left, rate, extra, investRate, taxRate, inflation;
};

void addAccelerated(CLI::App& calc) {
    auto o = std::make_shared<AcceleratedOptions>();
    CLI::App* cmd = calc.add_subcommand("accelerated", "Accelerated mortgage payment analysis");
    cmd->add_option("--loan", o->loan, "Loan Amount")->required();
    cmd->add_option("--years", o->years, "Number of Years")->required();
    cmd->add_option("--left", o->left, "Years Left")->required();
    cmd->add_option("--rate", o->rate, "Rate in percent")->required();
    cmd->add_option("--extra", o->extra, "Additional Monthly Payment")->required();
    cmd->add_option("--invest-rate", o->investRate, "Investment rate (default 5)");
    cmd->add_option("--tax-rate", o->taxRate, "Tax rate (default: a new plan's)");
    cmd->add_option("--inflation", o->inflation, "Inflation rate (default: a new plan's)");
    cmd->callback([o] {
        StderrMessages messages;
        AcceleratedMemory memory;
        AcceleratedPaymentAnalysis a(memory, messages, newPlanValues());
        a.loanAmount = o->loan, a.numberOfYears = o->years, a.yearsLeft = o->left;
        a.rate = o->rate, a.additionalPayment = o->extra;
        if (!o->investRate.empty()) a.investmentRate = o->investRate;
        if (!o->taxRate.empty()) a.taxRate = o->taxRate;
        if (!o->inflation.empty()) a.inflationRate = o->inflation;
        if (!a.calculate()) refused();
        print("Existing Mortgage Monthly Payment", a.monthlyPayment);
        print("Existing Mortgage Total Payments", a.totalPayments);
        print("Existing Mortgage Total Interest", a.totalInterest);
        print("Payment Years", a.paymentYears);
        print("Accelerated Payment Mortgage Monthly Payment", a.acceleratedMonthlyPayment);
        print("Accelerated Payment Mortgage Total Payments", a.acceleratedTotalPayments);
        print("Accelerated Payment Mortgage Total Interest", a.acceleratedTotalInterest);
        print("Savings", a.savings);
        print("invested monthly", a.investedAmount);
        print("would be worth", a.worth);
        print("at the end of", a.worthYears + " years.");
    });
}

void addSchedule(CLI::App& calc) {
    auto path = std::make_shared<std::string>();
    auto index = std::make_shared<int>(0);
    CLI::App* cmd = calc.add_subcommand("schedule", "Mortgage schedule of a mortgage event");
    cmd->add_option("file", *path, "Scenario file (.ret)")->required();
    cmd->add_option("--event", *index, "Index of the mortgage event in list order, from 0")
        ->required();
    cmd->callback([path, index] {
        StderrMessages messages;
        auto s = std::make_unique<Scenario>();
        ScenarioFiles files;
        if (!loadScenario(*path, *s, files, messages)) refused();
        if (*index < 0 || *index >= s->eventCount) {
            std::cerr << *path << " has no event " << *index << " (it has " << s->eventCount
                      << ")\n";
            refused();
        }
        if (s->events[*index].eventKind() != EventKind::Mortgage) {
            std::cerr << "Event " << *index << " of " << *path << " is not a mortgage event\n";
            refused();
        }
        MortgageSchedule schedule;
        schedule.fill(s->events[*index], s->initial);
        for (int c = 0; c < MortgageSchedule::kColumnCount; ++c)
            std::cout << (c ? "\t" : "") << MortgageSchedule::header(c);
        std::cout << '\n';
        for (const auto& row : schedule.allRows()) {
            for (std::size_t c = 0; c < row.size(); ++c)
                std::cout << (c ? "\t" : "") << trimText(row[c]);
            std::cout << '\n';
        }
    });
}

void addInflation(CLI::App& calc) {
    auto o = std::make_shared<std::vector<std::string>>(4);
    CLI::App* cmd = calc.add_subcommand("inflation", "Inflation calculator");
    cmd->add_option("--start", (*o)[0], "Start Age")->required();
    cmd->add_option("--end", (*o)[1], "End Age")->required();
    cmd->add_option("--amount", (*o)[2], "Start Age Amount")->required();
    cmd->add_option("--rate", (*o)[3], "Inflation Rate in percent")->required();
    cmd->callback([o] {
        StderrMessages messages;
        InflationMemory memory;
        InflationCalculator c(memory, messages);
        c.startAge = (*o)[0], c.endAge = (*o)[1], c.amount = (*o)[2], c.rate = (*o)[3];
        if (!c.calculate()) refused();
        print("Inflated Amount", c.inflatedAmount);
    });
}

void addInvestment(CLI::App& calc) {
    auto o = std::make_shared<std::vector<std::string>>(5);
    CLI::App* cmd = calc.add_subcommand("investment", "Taxes, Inflation and Your Investment");
    cmd->add_option("--amount", (*o)[0], "Amount invested")->required();
    cmd->add_option("--years", (*o)[1], "Number of years amount is invested")->required();
    cmd->add_option("--return", (*o)[2], "Expected yearly rate of return on investment")
        ->required();
    cmd->add_option("--tax", (*o)[3], "Rate at which investment is taxed")->required();
    cmd->add_option("--inflation", (*o)[4], "Estimated yearly inflation rate")->required();
    cmd->callback([o] {
        StderrMessages messages;
        InvestmentMemory memory;
        InvestmentCalculator c(memory, messages);
        c.amount = (*o)[0], c.years = (*o)[1], c.returnRate = (*o)[2];
        c.taxRate = (*o)[3], c.inflationRate = (*o)[4];
        if (!c.calculate()) refused();
        print("At the end of", c.analysisYears);
        print("years, taxed at a yearly rate of", c.analysisTaxRate);
        print("your investment will be worth", c.worth);
        print("At a yearly inflation rate of", c.analysisInflationRate);
        print("this amounts to", c.todaysValue);
        print("effective yearly rate of return on your investment", c.effectiveRate);
    });
}

struct TradeOffOptions {
    std::vector<std::string> options;
    std::string periods;
    std::string taxRate; // empty: the tax box stays clear
    std::string graphFile;
};

// "NAME,FIXED_COST,COST_PER_PERIOD,FIXED_AMOUNT,INCOME_PER_PERIOD"
bool splitOption(const std::string& text, std::vector<std::string>& parts) {
    parts.clear();
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ','))
        parts.push_back(part);
    if (!text.empty() && text.back() == ',') parts.push_back("");
    return parts.size() == 5;
}

void addTradeOff(CLI::App& calc) {
    auto o = std::make_shared<TradeOffOptions>();
    CLI::App* cmd = calc.add_subcommand("tradeoff", "Trade-off analysis of up to three options");
    cmd->add_option("--option", o->options,
                    "NAME,FIXED_COST,COST_PER_PERIOD,FIXED_AMOUNT,INCOME_PER_PERIOD")
        ->required()
        ->expected(1, kTradeOptions)
        ->allow_extra_args(false)
        ->take_all();
    cmd->add_option("--periods", o->periods, "No of Periods")->required();
    cmd->add_option("--use-tax-rate", o->taxRate,
                    "Use Initial Values Tax Rate, with this rate in percent");
    cmd->add_option("--graph-file", o->graphFile, "Write the grapher's data to this file");
    cmd->callback([o] {
        if (o->options.size() > static_cast<std::size_t>(kTradeOptions))
            throw CLI::ValidationError("--option", "at most three options");
        StderrMessages messages;
        RecordingLauncher noGrapher; // the grapher is a separate program: not started here
        TradeOffState state;
        state.names = {"", "", ""};
        const float taxRate = readFloatText(o->taxRate, o->taxRate.size());
        TradeOffAnalysis t(state, messages, noGrapher, taxRate);
        std::vector<std::string> parts;
        for (std::size_t j = 0; j < o->options.size(); ++j) {
            if (!splitOption(o->options[j], parts))
                throw CLI::ValidationError("--option",
                                           "expected NAME,FIXED_COST,"
                                           "COST_PER_PERIOD,FIXED_AMOUNT,INCOME_PER_PERIOD");
            t.names[j] = parts[0];
            t.values[kTradeFixedCost + j] = parts[1];
            t.values[kTradeCostPerPeriod + j] = parts[2];
            t.values[kTradeFixedAmount + j] = parts[3];
            t.values[kTradeIncomePerPeriod + j] = parts[4];
        }
        t.periods = o->periods;
        t.useTaxRate = !o->taxRate.empty();
        if (!t.calculate()) refused();
        for (int j = 0; j < kTradeOptions; ++j)
            print(format("End Amount Option %d", j + 1), t.endAmounts[static_cast<std::size_t>(j)]);
        print("Differences Option 1 - Option 2", t.differences[0]);
        print("Differences Option 2 - Option 3", t.differences[1]);
        print("Differences Option 1 - Option 3", t.differences[2]);
        if (!o->graphFile.empty() && !writeTradeGraph(o->graphFile, state, taxRate, messages))
            refused();
    });
}

} // namespace

void addCalcCommands(CLI::App& app) {
    CLI::App* calc = app.add_subcommand("calc", "Financial calculators");
    calc->require_subcommand(1);
    addMortgage(*calc);
    addRefinance(*calc);
    addAccelerated(*calc);
    addSchedule(*calc);
    addInflation(*calc);
    addInvestment(*calc);
    addTradeOff(*calc);
}

} // namespace finplan::cli
