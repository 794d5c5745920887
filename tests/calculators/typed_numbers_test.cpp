// Every checked calculator field given a text that is not one number: refused with the
// field's own range message, as a value outside its range would be.
#include <gtest/gtest.h>

#include <functional>

#include "calculators/accelerated_payment.h"
#include "calculators/inflation_calculators.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/refinance_analysis.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

// A calculator with good values in every field, ready to calculate.
struct MortgageRig {
    using Calc = MortgageCalculator;
    explicit MortgageRig(Messages& m) : calc(memory, m) {
        calc.amount = "250000";
        calc.downPayment = "$50,000";
        calc.rate = "5.5 %";
        calc.years = "15";
    }
    bool go() { return calc.calculate(); }
    MortgageCalculatorMemory memory;
    Calc calc;
};

struct InflationRig {
    using Calc = InflationCalculator;
    explicit InflationRig(Messages& m) : calc(memory, m) {
        calc.startAge = "40";
        calc.endAge = "65";
        calc.amount = "1,000";
        calc.rate = "3";
    }
    bool go() { return calc.calculate(); }
    InflationMemory memory;
    Calc calc;
};

struct InvestmentRig {
    using Calc = InvestmentCalculator;
    explicit InvestmentRig(Messages& m) : calc(memory, m) {
        calc.amount = "1000";
        calc.years = "10";
        calc.returnRate = "5";
        calc.taxRate = "20";
        calc.inflationRate = "3";
    }
    bool go() { return calc.calculate(); }
    InvestmentMemory memory;
    Calc calc;
};

struct AcceleratedRig {
    using Calc = AcceleratedPaymentAnalysis;
    explicit AcceleratedRig(Messages& m) : calc(memory, m, initial) {
        calc.loanAmount = "200000";
        calc.numberOfYears = "30";
        calc.yearsLeft = "25";
        calc.rate = "6";
        calc.additionalPayment = "100";
        calc.investmentRate = "5";
        calc.taxRate = "20";
        calc.inflationRate = "3";
    }
    bool go() { return calc.calculate(); }
    AcceleratedMemory memory;
    InitialValues initial;
    Calc calc;
};

struct RefinanceRig {
    using Calc = RefinanceAnalysis;
    explicit RefinanceRig(Messages& m) : calc(memory, m) {
        calc.startAge = "40";
        calc.amount = "200000";
        calc.rate = "7";
        calc.years = "30";
        calc.refiAge = "45";
        calc.refiRate = "5";
        calc.refiYears = "30";
    }
    bool go() { return calc.doAnalysis(25); }
    RefinanceMemory memory;
    Calc calc;
};

struct Case {
    const char* field;
    std::function<bool(const std::string&, Messages&)> calculate;
    const char* title;
};

template <class Rig>
Case typed(const char* name, std::string Rig::Calc::*field, const char* title) {
    return {name,
            [field](const std::string& text, Messages& m) {
                Rig rig(m);
                rig.calc.*field = text;
                return rig.go();
            },
            title};
}

template <class Rig> bool calculatesAsFilled() {
    RecordingMessages m;
    Rig rig(m);
    return rig.go() && m.entries.empty();
}

TEST(CalculatorFields, ATextThatIsNotOneNumberIsRefusedWithTheFieldsMessage) {
    // Filled as above, money marks and "%" included, every calculator calculates.
    EXPECT_TRUE(calculatesAsFilled<MortgageRig>());
    EXPECT_TRUE(calculatesAsFilled<InflationRig>());
    EXPECT_TRUE(calculatesAsFilled<InvestmentRig>());
    EXPECT_TRUE(calculatesAsFilled<AcceleratedRig>());
    EXPECT_TRUE(calculatesAsFilled<RefinanceRig>());
    using M = MortgageRig::Calc;
    using F = InflationRig::Calc;
    using I = InvestmentRig::Calc;
    using A = AcceleratedRig::Calc;
    using R = RefinanceRig::Calc;
    const Case cases[] = {
        typed<MortgageRig>("mortgage rate", &M::rate, "RATE ERROR"),
        typed<MortgageRig>("mortgage amount", &M::amount, "AMOUNT ERROR"),
        typed<MortgageRig>("mortgage down payment", &M::downPayment, "DOWN PAYMENT ERROR"),
        typed<MortgageRig>("mortgage years", &M::years, "NO OF YEARS ERROR"),
        typed<InflationRig>("inflation start age", &F::startAge, "Start Age Error!"),
        typed<InflationRig>("inflation end age", &F::endAge, "End Age Error!"),
        typed<InflationRig>("inflation rate", &F::rate, "Rate Error!"),
        typed<InflationRig>("inflation amount", &F::amount, "Amount Error!"),
        typed<InvestmentRig>("investment amount", &I::amount, "Amount Error!"),
        typed<InvestmentRig>("investment years", &I::years, "Number of Years Error!"),
        typed<AcceleratedRig>("accelerated amount", &A::loanAmount, "Amount Error!"),
        typed<AcceleratedRig>("accelerated years", &A::numberOfYears, "Number of Years Error!"),
        typed<AcceleratedRig>("accelerated years left", &A::yearsLeft,
                              "Number of Years Left Error!"),
        typed<AcceleratedRig>("accelerated rate", &A::rate, "Rate Error!"),
        typed<AcceleratedRig>("accelerated extra", &A::additionalPayment,
                              "Additional Amount Error!"),
        typed<AcceleratedRig>("accelerated investment rate", &A::investmentRate, "Rate Error!"),
        typed<AcceleratedRig>("accelerated tax rate", &A::taxRate, "Rate Error!"),
        typed<AcceleratedRig>("accelerated inflation rate", &A::inflationRate, "Rate Error!"),
        typed<RefinanceRig>("refinance start age", &R::startAge, "AGE ERROR"),
        typed<RefinanceRig>("refinance amount", &R::amount, "AMOUNT ERROR"),
        typed<RefinanceRig>("refinance rate", &R::rate, "RATE ERROR"),
        typed<RefinanceRig>("refinanced age", &R::refiAge, "AGE ERROR"),
        typed<RefinanceRig>("refinanced rate", &R::refiRate, "RATE ERROR"),
    };
    for (const Case& c : cases) {
        for (const char* text : {"", "abc", "12,34"}) {
            RecordingMessages m;
            EXPECT_FALSE(c.calculate(text, m)) << c.field << " '" << text << "'";
            ASSERT_EQ(m.entries.size(), 1u) << c.field << " '" << text << "'";
            EXPECT_EQ(m.entries[0].title, c.title) << c.field << " '" << text << "'";
        }
    }
}

} // namespace
} // namespace finplan
