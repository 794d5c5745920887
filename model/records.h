// The scenario records. Their field order, widths and reserved areas are also the
// layout of the scenario file; the in-memory structs are naturally aligned and are
// read and written field by field (see record_io), never as raw memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace finplan {

inline constexpr int kMaxEvents = 150;
inline constexpr int kMaxAccounts = 50;
inline constexpr int kMaxGroups = 10;
inline constexpr int kAccountNameWidth = 30; // 29 characters + NUL
inline constexpr int kAccessOrderWidth = 4;  // 3 characters + NUL
inline constexpr int kDescriptionWidth = 50; // 49 characters + NUL
inline constexpr int kGroupNameWidth = 21;   // 20 characters + NUL

// The text of a fixed-width field: up to its first NUL, or the whole width when it
// has none (a damaged file).
template <std::size_t N> std::string_view fieldText(const char (&field)[N]) {
    return {field, strnlen(field, N)};
}

// Sizes of the records as stored.
inline constexpr std::size_t kInitialValuesSize = 80;
inline constexpr std::size_t kEventSize = 160;
inline constexpr std::size_t kAccountSize = 82;
inline constexpr std::size_t kAccountTableSize = 4124;
inline constexpr std::size_t kGroupTableSize = 740;

enum class AccountType : int16_t {
    Asset = 0,
    Equity = 1,
    InvestmentSavings = 2,
    RetirementSavings = 3,
    TaxFreeSavings = 4,
};
inline constexpr int kAccountTypeCount = 5;

enum class EventKind : int16_t {
    Empty = 0,
    Fundamentals = 1,
    Deposit = 2,
    Loan = 3,
    Mortgage = 4,
    Transfer = 5,
    Withdrawal = 6,
};

// Where an event is in a run (Event::eventState).
enum class EventState : int16_t {
    NotStarted = 0,
    Active = 1,
    Finished = 2,
};

struct InitialValues {
    int16_t eventCount = 0;
    float reserved1 = 0;
    float initialInvestmentSavings = 0;
    float initialTaxFreeSavings = 0;
    float initialRetirementSavings = 0;
    float initialEquity = 0;
    float initialAssets = 0;
    float startAge = 0;
    float endAge = 0;
    int16_t useBirthday = 0;
    float inflationRate = 0;
    float avgEquityAppreciationRate = 0;
    float avgAssetDepreciationRate = 0;
    float taxRate = 0;
    float reserved2 = 0;
    float avgInvestmentSavingsRate = 0;
    float avgTaxFreeSavingsRate = 0;
    float avgRetirementSavingsRate = 0;
    float penaltyAge = 0;
    float penaltyRate = 0;
    int16_t birthMonth = 1;
    int16_t birthDay = 1;
};

// Several offsets carry a different field per event kind; the names below are the
// per-kind names, sharing storage through anonymous unions of one type each.
struct Event {
    int16_t listLine = 0;
    float startAge = 0;
    float endAge = 0;
    union {
        float applyRate = 0;
        float sellAge;
    };
    union {
        int16_t oneTime = 0;
        int16_t paidOff;
    };
    int16_t kind = 0;
    union {
        float amount = 0;
        float newTaxRate;
    };
    union {
        int16_t useSmartWithdrawal = 0;
        int16_t taxDeposit;
        int16_t fromAccountId;
    };
    union {
        int16_t toAccountId = 0;
        int16_t isRefinance;
        int16_t rateAccountId;
    };
    int16_t applyInflation = 0;
    float assetValue = 0;
    union {
        float downPayment = 0;
        float newInflationRate;
    };
    float monthlyPayment = 0;
    union {
        float loanRate = 0;
        float newAccountRate;
    };
    int16_t years = 0;
    float reserved46 = 0;
    float principalPaid = 0;
    float interestPaidTotal = 0;
    int16_t reserved58 = 0;
    union {
        float appreciationRate = 0;
        float toAccountRate;
    };
    int16_t reserved64 = 0;
    int16_t monthsElapsed = 0;
    int16_t eventState = 0; // an EventState
    char description[kDescriptionWidth] = {};
    uint8_t reserved120[14] = {};
    union {
        float minSmartWithdrawal = 0;
        float yearlyPropertyTax;
    };
    float closingCosts = 0;
    uint8_t reserved142[4] = {};
    float acceleratedPayment = 0;
    uint8_t reserved150[4] = {};
    int16_t propertySold = 0;
    int16_t acceleratedMode = 0;
    uint8_t reserved158[2] = {};

    EventKind eventKind() const { return static_cast<EventKind>(kind); }
    bool is(EventKind k) const { return eventKind() == k; }
    EventState state() const { return static_cast<EventState>(eventState); }
    void setState(EventState s) { eventState = static_cast<int16_t>(s); }
};

// A Loan or a Mortgage: an event with instalments, a payoff and a sale.
inline bool isLoanOrMortgage(const Event& e) {
    return e.is(EventKind::Loan) || e.is(EventKind::Mortgage);
}

struct Account {
    char name[kAccountNameWidth] = {};
    char accessOrder[kAccessOrderWidth] = {' ', 0, 0, 0};
    float balance = 0;
    float currentRate = 0;
    float initialAmount = 0;
    float rate = 0;
    int16_t type = 0;
    float randomMinRate = 0;
    float randomMaxRate = 0;
    uint16_t id = 0;
    int16_t penaltyFlag = 0;
    float rateStatMin = 0;
    float rateStatMax = 0;
    float rateStatSum = 0;
    int16_t rateStatCount = 0;
    int16_t groupIndex = 0;
    uint8_t reservedE[2] = {};

    AccountType accountType() const { return static_cast<AccountType>(type); }
    bool is(AccountType t) const { return accountType() == t; }
};

// Investment, retirement and tax-free savings earn interest and can be drawn down.
inline bool isSavings(const Account& a) {
    return a.is(AccountType::InvestmentSavings) || a.is(AccountType::RetirementSavings) ||
           a.is(AccountType::TaxFreeSavings);
}

// Assets and equity grow or shrink by their rate instead of earning interest.
inline bool isAssetOrEquity(const Account& a) {
    return a.is(AccountType::Asset) || a.is(AccountType::Equity);
}

struct AccountTable {
    int16_t accountCount = 0;
    Account accounts[kMaxAccounts];
    int32_t nextAccountId = 0;
    uint8_t reserved[18] = {};

    // Number of slots that may be used safely: a damaged count means an empty table.
    int usableCount() const {
        return (accountCount >= 0 && accountCount <= kMaxAccounts) ? accountCount : 0;
    }
};

struct GroupTable {
    char groupName[kMaxGroups][kGroupNameWidth] = {};
    float groupRandomMinRate[kMaxGroups] = {};
    float groupRandomMaxRate[kMaxGroups] = {};
    uint8_t reserved[450] = {};

    // A group exists only when its name has at least two characters.
    bool exists(int g) const {
        return g >= 0 && g < kMaxGroups && groupName[g][0] != 0 && groupName[g][1] != 0;
    }
};

// Stored layout of each record: offset and width of every field, in file order.
// The tables are checked at compile time to be contiguous and to add up to the
// record sizes above; record_io walks the same tables.
struct FieldLayout {
    std::size_t offset;
    std::size_t width;
};

namespace layout {

// InitialValues
inline constexpr FieldLayout kIvEventCount{0, 2}, kIvReserved1{2, 4}, kIvInitialInvestment{6, 4},
    kIvInitialTaxFree{10, 4}, kIvInitialRetirement{14, 4}, kIvInitialEquity{18, 4},
    kIvInitialAssets{22, 4}, kIvStartAge{26, 4}, kIvEndAge{30, 4}, kIvUseBirthday{34, 2},
    kIvInflationRate{36, 4}, kIvAvgEquity{40, 4}, kIvAvgAsset{44, 4}, kIvTaxRate{48, 4},
    kIvReserved2{52, 4}, kIvAvgInvestment{56, 4}, kIvAvgTaxFree{60, 4}, kIvAvgRetirement{64, 4},
    kIvPenaltyAge{68, 4}, kIvPenaltyRate{72, 4}, kIvBirthMonth{76, 2}, kIvBirthDay{78, 2};

// Event
inline constexpr FieldLayout kEvListLine{0, 2}, kEvStartAge{2, 4}, kEvEndAge{6, 4},
    kEvApplyRate{10, 4}, kEvOneTime{14, 2}, kEvKind{16, 2}, kEvAmount{18, 4}, kEvFlag22{22, 2},
    kEvFlag24{24, 2}, kEvApplyInflation{26, 2}, kEvAssetValue{28, 4}, kEvDownPayment{32, 4},
    kEvMonthlyPayment{36, 4}, kEvLoanRate{40, 4}, kEvYears{44, 2}, kEvReserved46{46, 4},
    kEvPrincipalPaid{50, 4}, kEvInterestPaid{54, 4}, kEvReserved58{58, 2}, kEvAppreciation{60, 4},
    kEvReserved64{64, 2}, kEvMonthsElapsed{66, 2}, kEvEventState{68, 2}, kEvDescription{70, 50},
    kEvReserved120{120, 14}, kEvMinSmart{134, 4}, kEvClosingCosts{138, 4}, kEvReserved142{142, 4},
    kEvAccelerated{146, 4}, kEvReserved150{150, 4}, kEvPropertySold{154, 2},
    kEvAcceleratedMode{156, 2}, kEvReserved158{158, 2};

// Account
inline constexpr FieldLayout kAcName{0, 30}, kAcAccessOrder{30, 4}, kAcBalance{34, 4},
    kAcCurrentRate{38, 4}, kAcInitialAmount{42, 4}, kAcRate{46, 4}, kAcType{50, 2},
    kAcRandomMin{52, 4}, kAcRandomMax{56, 4}, kAcId{60, 2}, kAcPenaltyFlag{62, 2},
    kAcRateStatMin{64, 4}, kAcRateStatMax{68, 4}, kAcRateStatSum{72, 4}, kAcRateStatCount{76, 2},
    kAcGroupIndex{78, 2}, kAcReservedE{80, 2};

// AccountTable
inline constexpr FieldLayout kAtCount{0, 2}, kAtAccounts{2, 4100}, kAtNextId{4102, 4},
    kAtReserved{4106, 18};

// GroupTable
inline constexpr FieldLayout kGtNames{0, 210}, kGtMin{210, 40}, kGtMax{250, 40},
    kGtReserved{290, 450};

template <std::size_t N> constexpr bool contiguous(const FieldLayout (&f)[N], std::size_t total) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (f[i].offset != at) return false;
        at += f[i].width;
    }
    return at == total;
}

inline constexpr FieldLayout kInitialValuesFields[] = {
    kIvEventCount,     kIvReserved1,         kIvInitialInvestment,
    kIvInitialTaxFree, kIvInitialRetirement, kIvInitialEquity,
    kIvInitialAssets,  kIvStartAge,          kIvEndAge,
    kIvUseBirthday,    kIvInflationRate,     kIvAvgEquity,
    kIvAvgAsset,       kIvTaxRate,           kIvReserved2,
    kIvAvgInvestment,  kIvAvgTaxFree,        kIvAvgRetirement,
    kIvPenaltyAge,     kIvPenaltyRate,       kIvBirthMonth,
    kIvBirthDay};
inline constexpr FieldLayout kEventFields[] = {
    kEvListLine,     kEvStartAge,        kEvEndAge,         kEvApplyRate,   kEvOneTime,
    kEvKind,         kEvAmount,          kEvFlag22,         kEvFlag24,      kEvApplyInflation,
    kEvAssetValue,   kEvDownPayment,     kEvMonthlyPayment, kEvLoanRate,    kEvYears,
    kEvReserved46,   kEvPrincipalPaid,   kEvInterestPaid,   kEvReserved58,  kEvAppreciation,
    kEvReserved64,   kEvMonthsElapsed,   kEvEventState,     kEvDescription, kEvReserved120,
    kEvMinSmart,     kEvClosingCosts,    kEvReserved142,    kEvAccelerated, kEvReserved150,
    kEvPropertySold, kEvAcceleratedMode, kEvReserved158};
inline constexpr FieldLayout kAccountFields[] = {
    kAcName,        kAcAccessOrder, kAcBalance,     kAcCurrentRate, kAcInitialAmount,
    kAcRate,        kAcType,        kAcRandomMin,   kAcRandomMax,   kAcId,
    kAcPenaltyFlag, kAcRateStatMin, kAcRateStatMax, kAcRateStatSum, kAcRateStatCount,
    kAcGroupIndex,  kAcReservedE};
inline constexpr FieldLayout kAccountTableFields[] = {kAtCount, kAtAccounts, kAtNextId,
                                                      kAtReserved};
inline constexpr FieldLayout kGroupTableFields[] = {kGtNames, kGtMin, kGtMax, kGtReserved};

static_assert(contiguous(kInitialValuesFields, kInitialValuesSize));
static_assert(contiguous(kEventFields, kEventSize));
static_assert(contiguous(kAccountFields, kAccountSize));
static_assert(contiguous(kAccountTableFields, kAccountTableSize));
static_assert(contiguous(kGroupTableFields, kGroupTableSize));
static_assert(kAtAccounts.width == kAccountSize * kMaxAccounts);
static_assert(kGtNames.width == kGroupNameWidth * kMaxGroups);
static_assert(kEvDescription.width == kDescriptionWidth);
static_assert(kAcName.width == kAccountNameWidth);
static_assert(kAcAccessOrder.width == kAccessOrderWidth);

} // namespace layout

// Sizes of the in-memory text and reserved arrays match their stored widths.
static_assert(sizeof(Event::description) == layout::kEvDescription.width);
static_assert(sizeof(Event::reserved120) == layout::kEvReserved120.width);
static_assert(sizeof(Account::name) == layout::kAcName.width);
static_assert(sizeof(Account::accessOrder) == layout::kAcAccessOrder.width);
static_assert(sizeof(AccountTable::reserved) == layout::kAtReserved.width);
static_assert(sizeof(GroupTable::groupName) == layout::kGtNames.width);
static_assert(sizeof(GroupTable::reserved) == layout::kGtReserved.width);
static_assert(sizeof(float) == 4, "money and rates are IEEE single precision");

} // namespace finplan
