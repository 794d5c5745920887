// Every field is placed at the offset its layout table gives, so the encoding does
// not depend on the compiler's struct packing or the host byte order.
#include "model/record_io.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace finplan {

namespace L = layout;

namespace {

constexpr uint32_t swapBytes(uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}

// Writes one record's bytes at the offsets of a layout table.
class Writer {
  public:
    explicit Writer(uint8_t* base) : base_(base) {}
    Writer at(std::size_t offset) const { return Writer(base_ + offset); }
    void u16(FieldLayout f, uint16_t v) const {
        base_[f.offset] = static_cast<uint8_t>(v);
        base_[f.offset + 1] = static_cast<uint8_t>(v >> 8);
    }
    void i16(FieldLayout f, int16_t v) const { u16(f, static_cast<uint16_t>(v)); }
    void i32(FieldLayout f, int32_t v) const { put32(f.offset, static_cast<uint32_t>(v)); }
    void f32(FieldLayout f, float v) const { put32(f.offset, std::bit_cast<uint32_t>(v)); }
    void f32At(std::size_t at, float v) const { put32(at, std::bit_cast<uint32_t>(v)); }
    void raw(FieldLayout f, const void* p) const { std::memcpy(base_ + f.offset, p, f.width); }

  private:
    // Least significant byte first whatever the host's order, in one copy: a file read
    // or written walks some ten thousand of these.
    void put32(std::size_t at, uint32_t v) const {
        const uint32_t little = std::endian::native == std::endian::little ? v : swapBytes(v);
        std::memcpy(base_ + at, &little, sizeof little);
    }
    uint8_t* base_;
};

// Reads one record's fields back from the same offsets. Taking each field by reference
// also makes a field list that names a field of the wrong width fail to compile.
class Reader {
  public:
    explicit Reader(const uint8_t* base) : base_(base) {}
    Reader at(std::size_t offset) const { return Reader(base_ + offset); }
    void u16(FieldLayout f, uint16_t& v) const {
        v = static_cast<uint16_t>(base_[f.offset] | (base_[f.offset + 1] << 8));
    }
    void i16(FieldLayout f, int16_t& v) const {
        uint16_t u = 0;
        u16(f, u);
        v = static_cast<int16_t>(u);
    }
    void i32(FieldLayout f, int32_t& v) const { v = static_cast<int32_t>(get32(f.offset)); }
    void f32(FieldLayout f, float& v) const { v = std::bit_cast<float>(get32(f.offset)); }
    void f32At(std::size_t at, float& v) const { v = std::bit_cast<float>(get32(at)); }
    void raw(FieldLayout f, void* p) const { std::memcpy(p, base_ + f.offset, f.width); }

  private:
    uint32_t get32(std::size_t at) const {
        uint32_t v = 0;
        std::memcpy(&v, base_ + at, sizeof v);
        return std::endian::native == std::endian::little ? v : swapBytes(v);
    }
    const uint8_t* base_;
};

// Looks at the float fields of a record for values that are not finite, passing over
// the fields given (reserved bytes and the run's own working values).
class FiniteCheck {
  public:
    FiniteCheck(std::span<const FieldLayout> skipped, bool& finite)
        : skipped_(skipped), finite_(&finite) {}
    FiniteCheck at(std::size_t) const { return *this; }
    void u16(FieldLayout, const uint16_t&) const {}
    void i16(FieldLayout, const int16_t&) const {}
    void i32(FieldLayout, const int32_t&) const {}
    void raw(FieldLayout, const void*) const {}
    void f32(FieldLayout f, const float& v) const {
        if (std::isfinite(v)) return; // the usual case: no need to look at the list
        for (const FieldLayout& s : skipped_)
            if (s.offset == f.offset && s.width == f.width) return;
        *finite_ = false;
    }
    void f32At(std::size_t, const float& v) const {
        if (!std::isfinite(v)) *finite_ = false;
    }

  private:
    std::span<const FieldLayout> skipped_;
    bool* finite_;
};

// Reserved floats, and the values a run sets before it reads them (a run may leave
// them at infinity in a scenario that is then saved).
constexpr FieldLayout kIvUnchecked[] = {L::kIvReserved1, L::kIvReserved2};
constexpr FieldLayout kEvUnchecked[] = {L::kEvReserved46, L::kEvAssetValue, L::kEvPrincipalPaid,
                                        L::kEvInterestPaid};
constexpr FieldLayout kAcUnchecked[] = {L::kAcBalance, L::kAcCurrentRate, L::kAcRateStatMin,
                                        L::kAcRateStatMax, L::kAcRateStatSum};

// The field lists: each record's fields once, walked by a Writer (const record) or a
// Reader, so the two directions cannot drift apart.

template <typename Io, typename Record> void initialValuesFields(Io io, Record& iv) {
    io.i16(L::kIvEventCount, iv.eventCount);
    io.f32(L::kIvReserved1, iv.reserved1);
    io.f32(L::kIvInitialInvestment, iv.initialInvestmentSavings);
    io.f32(L::kIvInitialTaxFree, iv.initialTaxFreeSavings);
    io.f32(L::kIvInitialRetirement, iv.initialRetirementSavings);
    io.f32(L::kIvInitialEquity, iv.initialEquity);
    io.f32(L::kIvInitialAssets, iv.initialAssets);
    io.f32(L::kIvStartAge, iv.startAge);
    io.f32(L::kIvEndAge, iv.endAge);
    io.i16(L::kIvUseBirthday, iv.useBirthday);
    io.f32(L::kIvInflationRate, iv.inflationRate);
    io.f32(L::kIvAvgEquity, iv.avgEquityAppreciationRate);
    io.f32(L::kIvAvgAsset, iv.avgAssetDepreciationRate);
    io.f32(L::kIvTaxRate, iv.taxRate);
    io.f32(L::kIvReserved2, iv.reserved2);
    io.f32(L::kIvAvgInvestment, iv.avgInvestmentSavingsRate);
    io.f32(L::kIvAvgTaxFree, iv.avgTaxFreeSavingsRate);
    io.f32(L::kIvAvgRetirement, iv.avgRetirementSavingsRate);
    io.f32(L::kIvPenaltyAge, iv.penaltyAge);
    io.f32(L::kIvPenaltyRate, iv.penaltyRate);
    io.i16(L::kIvBirthMonth, iv.birthMonth);
    io.i16(L::kIvBirthDay, iv.birthDay);
}

template <typename Io, typename Record> void eventFields(Io io, Record& e) {
    io.i16(L::kEvListLine, e.listLine);
    io.f32(L::kEvStartAge, e.startAge);
    io.f32(L::kEvEndAge, e.endAge);
    io.f32(L::kEvApplyRate, e.applyRate);
    io.i16(L::kEvOneTime, e.oneTime);
    io.i16(L::kEvKind, e.kind);
    io.f32(L::kEvAmount, e.amount);
    io.i16(L::kEvFlag22, e.useSmartWithdrawal);
    io.i16(L::kEvFlag24, e.toAccountId);
    io.i16(L::kEvApplyInflation, e.applyInflation);
    io.f32(L::kEvAssetValue, e.assetValue);
    io.f32(L::kEvDownPayment, e.downPayment);
    io.f32(L::kEvMonthlyPayment, e.monthlyPayment);
    io.f32(L::kEvLoanRate, e.loanRate);
    io.i16(L::kEvYears, e.years);
    io.f32(L::kEvReserved46, e.reserved46);
    io.f32(L::kEvPrincipalPaid, e.principalPaid);
    io.f32(L::kEvInterestPaid, e.interestPaidTotal);
    io.i16(L::kEvReserved58, e.reserved58);
    io.f32(L::kEvAppreciation, e.appreciationRate);
    io.i16(L::kEvReserved64, e.reserved64);
    io.i16(L::kEvMonthsElapsed, e.monthsElapsed);
    io.i16(L::kEvEventState, e.eventState);
    io.raw(L::kEvDescription, e.description);
    io.raw(L::kEvReserved120, e.reserved120);
    io.f32(L::kEvMinSmart, e.minSmartWithdrawal);
    io.f32(L::kEvClosingCosts, e.closingCosts);
    io.raw(L::kEvReserved142, e.reserved142);
    io.f32(L::kEvAccelerated, e.acceleratedPayment);
    io.raw(L::kEvReserved150, e.reserved150);
    io.i16(L::kEvPropertySold, e.propertySold);
    io.i16(L::kEvAcceleratedMode, e.acceleratedMode);
    io.raw(L::kEvReserved158, e.reserved158);
}

template <typename Io, typename Record> void accountFields(Io io, Record& a) {
    io.raw(L::kAcName, a.name);
    io.raw(L::kAcAccessOrder, a.accessOrder);
    io.f32(L::kAcBalance, a.balance);
    io.f32(L::kAcCurrentRate, a.currentRate);
    io.f32(L::kAcInitialAmount, a.initialAmount);
    io.f32(L::kAcRate, a.rate);
    io.i16(L::kAcType, a.type);
    io.f32(L::kAcRandomMin, a.randomMinRate);
    io.f32(L::kAcRandomMax, a.randomMaxRate);
    io.u16(L::kAcId, a.id);
    io.i16(L::kAcPenaltyFlag, a.penaltyFlag);
    io.f32(L::kAcRateStatMin, a.rateStatMin);
    io.f32(L::kAcRateStatMax, a.rateStatMax);
    io.f32(L::kAcRateStatSum, a.rateStatSum);
    io.i16(L::kAcRateStatCount, a.rateStatCount);
    io.i16(L::kAcGroupIndex, a.groupIndex);
    io.raw(L::kAcReservedE, a.reservedE);
}

template <typename Io, typename Record> void accountTableFields(Io io, Record& t) {
    io.i16(L::kAtCount, t.accountCount);
    for (int k = 0; k < kMaxAccounts; ++k)
        accountFields(io.at(L::kAtAccounts.offset + k * kAccountSize), t.accounts[k]);
    io.i32(L::kAtNextId, t.nextAccountId);
    io.raw(L::kAtReserved, t.reserved);
}

template <typename Io, typename Record> void groupTableFields(Io io, Record& g) {
    io.raw(L::kGtNames, g.groupName);
    for (int k = 0; k < kMaxGroups; ++k) {
        io.f32At(L::kGtMin.offset + 4 * k, g.groupRandomMinRate[k]);
        io.f32At(L::kGtMax.offset + 4 * k, g.groupRandomMaxRate[k]);
    }
    io.raw(L::kGtReserved, g.reserved);
}

// Appends exactly the record's stored size to out and writes the record there.
template <typename Record>
void writeWhole(const Record& r, std::size_t size, std::vector<uint8_t>& out,
                void (*fields)(Writer, const Record&)) {
    const std::size_t at = out.size();
    out.resize(at + size);
    fields(Writer(out.data() + at), r);
}

// A record is read only when the whole of it is there.
template <typename Record>
bool readWhole(std::span<const uint8_t> in, std::size_t size, Record& r,
               void (*fields)(Reader, Record&)) {
    if (in.size() < size) return false;
    fields(Reader(in.data()), r);
    return true;
}

} // namespace

void writeInitialValues(const InitialValues& iv, std::vector<uint8_t>& out) {
    writeWhole(iv, kInitialValuesSize, out, initialValuesFields<Writer, const InitialValues>);
}
void writeEvent(const Event& e, std::vector<uint8_t>& out) {
    writeWhole(e, kEventSize, out, eventFields<Writer, const Event>);
}
void writeAccount(const Account& a, std::vector<uint8_t>& out) {
    writeWhole(a, kAccountSize, out, accountFields<Writer, const Account>);
}
void writeAccountTable(const AccountTable& t, std::vector<uint8_t>& out) {
    writeWhole(t, kAccountTableSize, out, accountTableFields<Writer, const AccountTable>);
}
void writeGroupTable(const GroupTable& g, std::vector<uint8_t>& out) {
    writeWhole(g, kGroupTableSize, out, groupTableFields<Writer, const GroupTable>);
}

bool readInitialValues(std::span<const uint8_t> in, InitialValues& iv) {
    return readWhole(in, kInitialValuesSize, iv, initialValuesFields<Reader, InitialValues>);
}
bool readEvent(std::span<const uint8_t> in, Event& e) {
    return readWhole(in, kEventSize, e, eventFields<Reader, Event>);
}
bool readAccount(std::span<const uint8_t> in, Account& a) {
    return readWhole(in, kAccountSize, a, accountFields<Reader, Account>);
}
bool readAccountTable(std::span<const uint8_t> in, AccountTable& t) {
    return readWhole(in, kAccountTableSize, t, accountTableFields<Reader, AccountTable>);
}
bool readGroupTable(std::span<const uint8_t> in, GroupTable& g) {
    return readWhole(in, kGroupTableSize, g, groupTableFields<Reader, GroupTable>);
}

bool usedValuesFinite(const InitialValues& iv) {
    bool finite = true;
    initialValuesFields(FiniteCheck(kIvUnchecked, finite), iv);
    return finite;
}
bool usedValuesFinite(const Event& e) {
    bool finite = true;
    eventFields(FiniteCheck(kEvUnchecked, finite), e);
    return finite;
}
bool usedValuesFinite(const Account& a) {
    bool finite = true;
    accountFields(FiniteCheck(kAcUnchecked, finite), a);
    return finite;
}
bool usedValuesFinite(const GroupTable& g) {
    bool finite = true;
    groupTableFields(FiniteCheck({}, finite), g);
    return finite;
}
bool usedValuesFinite(const AccountTable& t) {
    const int n = t.usableCount();
    for (int i = 0; i < n; ++i)
        if (!usedValuesFinite(t.accounts[i])) return false;
    return true;
}

void readGroupTablePrefix(std::span<const uint8_t> in, GroupTable& g) {
    std::vector<uint8_t> bytes;
    writeGroupTable(g, bytes);
    std::copy_n(in.begin(), std::min(in.size(), bytes.size()), bytes.begin());
    groupTableFields(Reader(bytes.data()), g);
}

} // namespace finplan
