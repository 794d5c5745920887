// Every field is placed at the offset its layout table gives, so the encoding does
// not depend on the compiler's struct packing or the host byte order.
#include "model/record_io.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace finplan {

namespace L = layout;

namespace {

// Writes into / reads from one record's bytes at the offsets of a layout table.
class Out {
  public:
    explicit Out(uint8_t* base) : base_(base) {}
    void u16(FieldLayout f, uint16_t v) {
        base_[f.offset] = static_cast<uint8_t>(v);
        base_[f.offset + 1] = static_cast<uint8_t>(v >> 8);
    }
    void i16(FieldLayout f, int16_t v) { u16(f, static_cast<uint16_t>(v)); }
    void u32(std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            base_[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    void i32(FieldLayout f, int32_t v) { u32(f.offset, static_cast<uint32_t>(v)); }
    void f32(FieldLayout f, float v) { u32(f.offset, std::bit_cast<uint32_t>(v)); }
    void f32At(std::size_t at, float v) { u32(at, std::bit_cast<uint32_t>(v)); }
    void raw(FieldLayout f, const void* p) { std::memcpy(base_ + f.offset, p, f.width); }

  private:
    uint8_t* base_;
};

class In {
  public:
    explicit In(const uint8_t* base) : base_(base) {}
    uint16_t u16(FieldLayout f) const {
        return static_cast<uint16_t>(base_[f.offset] | (base_[f.offset + 1] << 8));
    }
    int16_t i16(FieldLayout f) const { return static_cast<int16_t>(u16(f)); }
    uint32_t u32(std::size_t at) const {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(base_[at + i]) << (8 * i);
        return v;
    }
    int32_t i32(FieldLayout f) const { return static_cast<int32_t>(u32(f.offset)); }
    float f32(FieldLayout f) const { return std::bit_cast<float>(u32(f.offset)); }
    float f32At(std::size_t at) const { return std::bit_cast<float>(u32(at)); }
    void raw(FieldLayout f, void* p) const { std::memcpy(p, base_ + f.offset, f.width); }

  private:
    const uint8_t* base_;
};

uint8_t* grow(std::vector<uint8_t>& out, std::size_t n) {
    const std::size_t at = out.size();
    out.resize(at + n);
    return out.data() + at;
}

void encodeInitialValues(const InitialValues& iv, uint8_t* p) {
    Out o(p);
    o.i16(L::kIvEventCount, iv.eventCount);
    o.f32(L::kIvReserved1, iv.reserved1);
    o.f32(L::kIvInitialInvestment, iv.initialInvestmentSavings);
    o.f32(L::kIvInitialTaxFree, iv.initialTaxFreeSavings);
    o.f32(L::kIvInitialRetirement, iv.initialRetirementSavings);
    o.f32(L::kIvInitialEquity, iv.initialEquity);
    o.f32(L::kIvInitialAssets, iv.initialAssets);
    o.f32(L::kIvStartAge, iv.startAge);
    o.f32(L::kIvEndAge, iv.endAge);
    o.i16(L::kIvUseBirthday, iv.useBirthday);
    o.f32(L::kIvInflationRate, iv.inflationRate);
    o.f32(L::kIvAvgEquity, iv.avgEquityAppreciationRate);
    o.f32(L::kIvAvgAsset, iv.avgAssetDepreciationRate);
    o.f32(L::kIvTaxRate, iv.taxRate);
    o.f32(L::kIvReserved2, iv.reserved2);
    o.f32(L::kIvAvgInvestment, iv.avgInvestmentSavingsRate);
    o.f32(L::kIvAvgTaxFree, iv.avgTaxFreeSavingsRate);
    o.f32(L::kIvAvgRetirement, iv.avgRetirementSavingsRate);
    o.f32(L::kIvPenaltyAge, iv.penaltyAge);
    o.f32(L::kIvPenaltyRate, iv.penaltyRate);
    o.i16(L::kIvBirthMonth, iv.birthMonth);
    o.i16(L::kIvBirthDay, iv.birthDay);
}

void decodeInitialValues(const uint8_t* p, InitialValues& iv) {
    In i(p);
    iv.eventCount = i.i16(L::kIvEventCount);
    iv.reserved1 = i.f32(L::kIvReserved1);
    iv.initialInvestmentSavings = i.f32(L::kIvInitialInvestment);
    iv.initialTaxFreeSavings = i.f32(L::kIvInitialTaxFree);
    iv.initialRetirementSavings = i.f32(L::kIvInitialRetirement);
    iv.initialEquity = i.f32(L::kIvInitialEquity);
    iv.initialAssets = i.f32(L::kIvInitialAssets);
    iv.startAge = i.f32(L::kIvStartAge);
    iv.endAge = i.f32(L::kIvEndAge);
    iv.useBirthday = i.i16(L::kIvUseBirthday);
    iv.inflationRate = i.f32(L::kIvInflationRate);
    iv.avgEquityAppreciationRate = i.f32(L::kIvAvgEquity);
    iv.avgAssetDepreciationRate = i.f32(L::kIvAvgAsset);
    iv.taxRate = i.f32(L::kIvTaxRate);
    iv.reserved2 = i.f32(L::kIvReserved2);
    iv.avgInvestmentSavingsRate = i.f32(L::kIvAvgInvestment);
    iv.avgTaxFreeSavingsRate = i.f32(L::kIvAvgTaxFree);
    iv.avgRetirementSavingsRate = i.f32(L::kIvAvgRetirement);
    iv.penaltyAge = i.f32(L::kIvPenaltyAge);
    iv.penaltyRate = i.f32(L::kIvPenaltyRate);
    iv.birthMonth = i.i16(L::kIvBirthMonth);
    iv.birthDay = i.i16(L::kIvBirthDay);
}

void encodeEvent(const Event& e, uint8_t* p) {
    Out o(p);
    o.i16(L::kEvListLine, e.listLine);
    o.f32(L::kEvStartAge, e.startAge);
    o.f32(L::kEvEndAge, e.endAge);
    o.f32(L::kEvApplyRate, e.applyRate);
    o.i16(L::kEvOneTime, e.oneTime);
    o.i16(L::kEvKind, e.kind);
    o.f32(L::kEvAmount, e.amount);
    o.i16(L::kEvFlag22, e.useSmartWithdrawal);
    o.i16(L::kEvFlag24, e.toAccountId);
    o.i16(L::kEvApplyInflation, e.applyInflation);
    o.f32(L::kEvAssetValue, e.assetValue);
    o.f32(L::kEvDownPayment, e.downPayment);
    o.f32(L::kEvMonthlyPayment, e.monthlyPayment);
    o.f32(L::kEvLoanRate, e.loanRate);
    o.i16(L::kEvYears, e.years);
    o.f32(L::kEvReserved46, e.reserved46);
    o.f32(L::kEvPrincipalPaid, e.principalPaid);
    o.f32(L::kEvInterestPaid, e.interestPaidTotal);
    o.i16(L::kEvReserved58, e.reserved58);
    o.f32(L::kEvAppreciation, e.appreciationRate);
    o.i16(L::kEvReserved64, e.reserved64);
    o.i16(L::kEvMonthsElapsed, e.monthsElapsed);
    o.i16(L::kEvEventState, e.eventState);
    o.raw(L::kEvDescription, e.description);
    o.raw(L::kEvReserved120, e.reserved120);
    o.f32(L::kEvMinSmart, e.minSmartWithdrawal);
    o.f32(L::kEvClosingCosts, e.closingCosts);
    o.raw(L::kEvReserved142, e.reserved142);
    o.f32(L::kEvAccelerated, e.acceleratedPayment);
    o.raw(L::kEvReserved150, e.reserved150);
    o.i16(L::kEvPropertySold, e.propertySold);
    o.i16(L::kEvAcceleratedMode, e.acceleratedMode);
    o.raw(L::kEvReserved158, e.reserved158);
}

void decodeEvent(const uint8_t* p, Event& e) {
    In i(p);
    e.listLine = i.i16(L::kEvListLine);
    e.startAge = i.f32(L::kEvStartAge);
    e.endAge = i.f32(L::kEvEndAge);
    e.applyRate = i.f32(L::kEvApplyRate);
    e.oneTime = i.i16(L::kEvOneTime);
    e.kind = i.i16(L::kEvKind);
    e.amount = i.f32(L::kEvAmount);
    e.useSmartWithdrawal = i.i16(L::kEvFlag22);
    e.toAccountId = i.i16(L::kEvFlag24);
    e.applyInflation = i.i16(L::kEvApplyInflation);
    e.assetValue = i.f32(L::kEvAssetValue);
    e.downPayment = i.f32(L::kEvDownPayment);
    e.monthlyPayment = i.f32(L::kEvMonthlyPayment);
    e.loanRate = i.f32(L::kEvLoanRate);
    e.years = i.i16(L::kEvYears);
    e.reserved46 = i.f32(L::kEvReserved46);
    e.principalPaid = i.f32(L::kEvPrincipalPaid);
    e.interestPaidTotal = i.f32(L::kEvInterestPaid);
    e.reserved58 = i.i16(L::kEvReserved58);
    e.appreciationRate = i.f32(L::kEvAppreciation);
    e.reserved64 = i.i16(L::kEvReserved64);
    e.monthsElapsed = i.i16(L::kEvMonthsElapsed);
    e.eventState = i.i16(L::kEvEventState);
    i.raw(L::kEvDescription, e.description);
    i.raw(L::kEvReserved120, e.reserved120);
    e.minSmartWithdrawal = i.f32(L::kEvMinSmart);
    e.closingCosts = i.f32(L::kEvClosingCosts);
    i.raw(L::kEvReserved142, e.reserved142);
    e.acceleratedPayment = i.f32(L::kEvAccelerated);
    i.raw(L::kEvReserved150, e.reserved150);
    e.propertySold = i.i16(L::kEvPropertySold);
    e.acceleratedMode = i.i16(L::kEvAcceleratedMode);
    i.raw(L::kEvReserved158, e.reserved158);
}

void encodeAccount(const Account& a, uint8_t* p) {
    Out o(p);
    o.raw(L::kAcName, a.name);
    o.raw(L::kAcAccessOrder, a.accessOrder);
    o.f32(L::kAcBalance, a.balance);
    o.f32(L::kAcCurrentRate, a.currentRate);
    o.f32(L::kAcInitialAmount, a.initialAmount);
    o.f32(L::kAcRate, a.rate);
    o.i16(L::kAcType, a.type);
    o.f32(L::kAcRandomMin, a.randomMinRate);
    o.f32(L::kAcRandomMax, a.randomMaxRate);
    o.u16(L::kAcId, a.id);
    o.i16(L::kAcPenaltyFlag, a.penaltyFlag);
    o.f32(L::kAcRateStatMin, a.rateStatMin);
    o.f32(L::kAcRateStatMax, a.rateStatMax);
    o.f32(L::kAcRateStatSum, a.rateStatSum);
    o.i16(L::kAcRateStatCount, a.rateStatCount);
    o.i16(L::kAcGroupIndex, a.groupIndex);
    o.raw(L::kAcReservedE, a.reservedE);
}

void decodeAccount(const uint8_t* p, Account& a) {
    In i(p);
    i.raw(L::kAcName, a.name);
    i.raw(L::kAcAccessOrder, a.accessOrder);
    a.balance = i.f32(L::kAcBalance);
    a.currentRate = i.f32(L::kAcCurrentRate);
    a.initialAmount = i.f32(L::kAcInitialAmount);
    a.rate = i.f32(L::kAcRate);
    a.type = i.i16(L::kAcType);
    a.randomMinRate = i.f32(L::kAcRandomMin);
    a.randomMaxRate = i.f32(L::kAcRandomMax);
    a.id = i.u16(L::kAcId);
    a.penaltyFlag = i.i16(L::kAcPenaltyFlag);
    a.rateStatMin = i.f32(L::kAcRateStatMin);
    a.rateStatMax = i.f32(L::kAcRateStatMax);
    a.rateStatSum = i.f32(L::kAcRateStatSum);
    a.rateStatCount = i.i16(L::kAcRateStatCount);
    a.groupIndex = i.i16(L::kAcGroupIndex);
    i.raw(L::kAcReservedE, a.reservedE);
}

void encodeAccountTable(const AccountTable& t, uint8_t* p) {
    Out o(p);
    o.i16(L::kAtCount, t.accountCount);
    for (int k = 0; k < kMaxAccounts; ++k)
        encodeAccount(t.accounts[k], p + L::kAtAccounts.offset + k * kAccountSize);
    o.i32(L::kAtNextId, t.nextAccountId);
    o.raw(L::kAtReserved, t.reserved);
}

void decodeAccountTable(const uint8_t* p, AccountTable& t) {
    In i(p);
    t.accountCount = i.i16(L::kAtCount);
    for (int k = 0; k < kMaxAccounts; ++k)
        decodeAccount(p + L::kAtAccounts.offset + k * kAccountSize, t.accounts[k]);
    t.nextAccountId = i.i32(L::kAtNextId);
    i.raw(L::kAtReserved, t.reserved);
}

void encodeGroupTable(const GroupTable& g, uint8_t* p) {
    Out o(p);
    o.raw(L::kGtNames, g.groupName);
    for (int k = 0; k < kMaxGroups; ++k) {
        o.f32At(L::kGtMin.offset + 4 * k, g.groupRandomMinRate[k]);
        o.f32At(L::kGtMax.offset + 4 * k, g.groupRandomMaxRate[k]);
    }
    o.raw(L::kGtReserved, g.reserved);
}

void decodeGroupTable(const uint8_t* p, GroupTable& g) {
    In i(p);
    i.raw(L::kGtNames, g.groupName);
    for (int k = 0; k < kMaxGroups; ++k) {
        g.groupRandomMinRate[k] = i.f32At(L::kGtMin.offset + 4 * k);
        g.groupRandomMaxRate[k] = i.f32At(L::kGtMax.offset + 4 * k);
    }
    i.raw(L::kGtReserved, g.reserved);
}

} // namespace

void writeInitialValues(const InitialValues& iv, std::vector<uint8_t>& out) {
    encodeInitialValues(iv, grow(out, kInitialValuesSize));
}
void writeEvent(const Event& e, std::vector<uint8_t>& out) {
    encodeEvent(e, grow(out, kEventSize));
}
void writeAccount(const Account& a, std::vector<uint8_t>& out) {
    encodeAccount(a, grow(out, kAccountSize));
}
void writeAccountTable(const AccountTable& t, std::vector<uint8_t>& out) {
    encodeAccountTable(t, grow(out, kAccountTableSize));
}
void writeGroupTable(const GroupTable& g, std::vector<uint8_t>& out) {
    encodeGroupTable(g, grow(out, kGroupTableSize));
}

namespace {
// A record is read only when the whole of it is there.
template <typename Record>
bool readWhole(std::span<const uint8_t> in, std::size_t size,
               void (*decode)(const uint8_t*, Record&), Record& out) {
    if (in.size() < size) return false;
    decode(in.data(), out);
    return true;
}
}  // namespace

bool readInitialValues(std::span<const uint8_t> in, InitialValues& iv) {
    return readWhole(in, kInitialValuesSize, decodeInitialValues, iv);
}
bool readEvent(std::span<const uint8_t> in, Event& e) {
    return readWhole(in, kEventSize, decodeEvent, e);
}
bool readAccount(std::span<const uint8_t> in, Account& a) {
    return readWhole(in, kAccountSize, decodeAccount, a);
}
bool readAccountTable(std::span<const uint8_t> in, AccountTable& t) {
    return readWhole(in, kAccountTableSize, decodeAccountTable, t);
}
bool readGroupTable(std::span<const uint8_t> in, GroupTable& g) {
    return readWhole(in, kGroupTableSize, decodeGroupTable, g);
}

void readGroupTablePrefix(std::span<const uint8_t> in, GroupTable& g) {
    std::vector<uint8_t> bytes;
    writeGroupTable(g, bytes);
    std::copy_n(in.begin(), std::min(in.size(), bytes.size()), bytes.begin());
    decodeGroupTable(bytes.data(), g);
}

} // namespace finplan
