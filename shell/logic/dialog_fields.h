// The control ids of the dialogs, one enum a dialog. The numbers are the ones the
// help file and stored layouts know the controls by; everywhere else a control is
// named through these enums (a check in the test suite holds other code to that).
#pragma once

namespace finplan {

// The buttons the event editors share unless their own enum names others.
enum class StandardButton { Ok = 1, Cancel = 2, Help = 9 };

enum class WithdrawalField {
    Description = 101,
    Amount = 102,
    StartAge = 103,
    EndAge = 104,
    ApplyInflation = 108,
    OneTime = 109,
    ApplyRate = 110,
    UseSmartWithdrawal = 111,
    MinimumSmartWithdrawal = 112,
};

enum class DepositField {
    Description = 101,
    StartAge = 102,
    EndAge = 103,
    Amount = 104,
    DepositTo = 105,
    OneTime = 111,
    ApplyInflation = 112,
    ApplyRate = 114,
    TaxDeposit = 115,
};

enum class TransferField {
    Amount = 101,
    StartAge = 102,
    EndAge = 103,
    Description = 107,
    FromAccount = 108,
    ToAccount = 109,
    OneTime = 120,
    ApplyInflation = 121,
    ApplyRate = 122,
};

enum class LoanField {
    Description = 101,
    StartAge = 102,
    PayoffAge = 103,
    Amount = 104,
    Rate = 105,
    Years = 106,
    Ok = 107,
    Cancel = 108,
    MonthlyPayment = 110,
    Calculate = 111,
    DepositTo = 112,
    SellAge = 118,
    DownPayment = 119,
};

enum class MortgageField {
    Description = 101,
    StartAge = 102,
    PayoffAge = 103,
    Amount = 104,
    DownPayment = 105,
    Rate = 106,
    Years = 107,
    MonthlyPayment = 108,
    Ok = 109,
    Cancel = 110,
    Calculate = 112,
    AppreciationRate = 113,
    SellAge = 114,
    Schedule = 115,
    Taxes = 116,
    ClosingCosts = 117,
    Refinance = 118,
    IsRefinance = 119,
    TaxInflation = 120,
    Accelerated = 121,
    AcceleratedAmount = 122,
    AcceleratedFromStart = 123,
    AcceleratedFromInitialStart = 124,
};

enum class FundamentalsField {
    Ok = 114,
    Cancel = 115,
    AccountCombo = 117,
    StartAge = 119,
    Description = 120,
    TaxRate = 121,
    InflationRate = 122,
    ChangeRate = 123,
};

// The small dialog the Fundamentals editor opens for one account's rate.
enum class AccountRateField { Rate = 3, Ok = 101, Cancel = 102, Name = 104 };

enum class AddEventButton {
    Ok = 106,
    Withdrawal = 109,
    Deposit = 110,
    Loan = 111,
    Mortgage = 112,
    Fundamentals = 113,
    Transfer = 114,
};

enum class InitialValuesField {
    StartAge = 101,
    RetirementSavings = 104,
    RetirementSavingsRate = 105,
    Equity = 106,
    TaxRate = 107,
    InflationRate = 108,
    EquityRate = 109,
    Ok = 110,
    Cancel = 111,
    Help = 112,
    EndAge = 113,
    Assets = 114,
    PenaltyAge = 115,
    PenaltyRate = 116,
    InvestmentSavings = 117,
    InvestmentSavingsRate = 118,
    AssetsRate = 119,
    TaxFreeSavings = 120,
    TaxFreeSavingsRate = 121,
    TotalInAccounts = 123,
    BirthMonth = 131,
    BirthDay = 132,
    UseBirthday = 133,
};

enum class AccountInfoField {
    Name = 104,
    InitialAmount = 105,
    Rate = 106,
    Group = 107,
    RandomMinimumRate = 108,
    RandomMaximumRate = 109,
    AccessOrder = 110,
    Penalty = 111,
    Type = 112,
};

// Ten rows of a name and two random-rate bounds: the names are 1..10, the bounds of
// row r (0..9) follow from the first row's.
enum class GroupsField { FirstName = 1, FirstMinimum = 14, FirstMaximum = 15 };
constexpr GroupsField groupNameField(int row) {
    return static_cast<GroupsField>(static_cast<int>(GroupsField::FirstName) + row);
}
constexpr GroupsField groupMinimumField(int row) {
    return static_cast<GroupsField>(static_cast<int>(GroupsField::FirstMinimum) + 2 * row);
}
constexpr GroupsField groupMaximumField(int row) {
    return static_cast<GroupsField>(static_cast<int>(GroupsField::FirstMaximum) + 2 * row);
}

// The calculators' controls. No help file or stored layout knows them by number, so
// the values only tell the controls apart.
enum class MortgageCalculatorField {
    Amount = 1,
    DownPayment,
    Rate,
    Years,
    MonthlyPayment,
    Calculate,
    Ok,
    Cancel,
    Help,
    UseInPlan,
};

enum class RefinanceField {
    StartAge = 1,
    Amount,
    Rate,
    Years,
    MonthlyPayment,
    RefiAge,
    RefiAmount,
    RefiRate,
    RefiYears,
    RefiMonthlyPayment,
    ClosingCosts,
    IncludeClosingCosts,
    Points,
    IncludePoints,
    RefinancedAmount,
    TotalMortgageCosts,
    MonthsToBreakEven,
    DoAnalysis,
    Ok,
    Cancel,
    Help,
};

enum class AcceleratedField {
    LoanAmount = 1,
    NumberOfYears,
    YearsLeft,
    Rate,
    MonthlyPayment,
    TotalPayments,
    TotalInterest,
    AdditionalPayment,
    PaymentYears,
    AcceleratedMonthlyPayment,
    AcceleratedTotalPayments,
    AcceleratedTotalInterest,
    Savings,
    InvestedAmount,
    InvestmentRate,
    TaxRate,
    InflationRate,
    Worth,
    WorthYears,
    Calculate,
    Ok,
    Help,
};

enum class InflationField { StartAge = 1, EndAge, Amount, Rate, InflatedAmount, Calculate, Ok };

enum class InvestmentField {
    Amount = 1,
    Years,
    ReturnRate,
    TaxRate,
    InflationRate,
    AnalysisYears,
    AnalysisTaxRate,
    Worth,
    AnalysisInflationRate,
    TodaysValue,
    EffectiveRate,
    Calculate,
    Ok,
    Help,
};

// Three options a column: a name, four values (row by row, option by option within a
// row, as the analysis holds them), an end amount; then three differences.
enum class TradeOffField {
    FirstName = 1,
    FirstValue = 4,
    FirstEndAmount = 16,
    FirstDifference = 19,
    Periods = 22,
    UseTaxRate,
    Calculate,
    Graph,
    Ok,
    Help,
};
constexpr TradeOffField tradeOffField(TradeOffField first, int index) {
    return static_cast<TradeOffField>(static_cast<int>(first) + index);
}

// A row a named group (at most ten): the market it follows, the stocks share of a mix,
// the adjustment; then the dialog's own controls.
enum class MarketsField {
    FirstMarket = 1,
    FirstShare = 11,
    FirstAdjustment = 21,
    HistoricalInflation = 31,
    Ok,
    Cancel,
    Help,
};
constexpr MarketsField marketsField(MarketsField first, int row) {
    return static_cast<MarketsField>(static_cast<int>(first) + row);
}

} // namespace finplan
