// The records as stored: every byte survives a read and a write, and fields land at
// the offsets of the file layout.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "model/record_io.h"
#include "model/scenario_file.h"

namespace finplan {
namespace {

std::vector<uint8_t> randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v)
        b = static_cast<uint8_t>(gen());
    return v;
}

template <typename Record, typename Read, typename Write>
void expectRoundTrip(std::size_t size, Read read, Write write) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto bytes = randomBytes(size, seed);
        Record r;
        ASSERT_TRUE(read(bytes, r));
        std::vector<uint8_t> again;
        write(r, again);
        ASSERT_EQ(again, bytes) << "seed " << seed;
    }
}

TEST(RecordIo, EveryRecordRoundTripsByteForByte) {
    // Random bytes include NaN patterns, unterminated texts and odd reserved bytes.
    expectRoundTrip<InitialValues>(kInitialValuesSize, readInitialValues, writeInitialValues);
    expectRoundTrip<Event>(kEventSize, readEvent, writeEvent);
    expectRoundTrip<Account>(kAccountSize, readAccount, writeAccount);
    expectRoundTrip<AccountTable>(kAccountTableSize, readAccountTable, writeAccountTable);
    expectRoundTrip<GroupTable>(kGroupTableSize, readGroupTable, writeGroupTable);
}

TEST(RecordIo, ShortInputIsRefusedAndLeavesTheRecord) {
    const auto bytes = randomBytes(kAccountTableSize - 1, 7);
    AccountTable t;
    t.accountCount = 3;
    EXPECT_FALSE(readAccountTable(bytes, t));
    EXPECT_EQ(t.accountCount, 3);
    Event e;
    EXPECT_FALSE(readEvent(std::span(bytes).first(kEventSize - 1), e));
}

uint32_t le32(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t le16(const std::vector<uint8_t>& b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(RecordIo, FieldsLandAtTheirStoredOffsets) {
    Event e;
    e.kind = 4;
    e.toAccountId = -1;
    e.years = 30;
    e.acceleratedMode = 2;
    e.loanRate = 6.25f; // 0x40C80000
    std::strcpy(e.description, "Home");
    std::vector<uint8_t> b;
    writeEvent(e, b);
    ASSERT_EQ(b.size(), 160u);
    EXPECT_EQ(le16(b, 16), 4);
    EXPECT_EQ(le16(b, 24), 0xFFFF);
    EXPECT_EQ(le16(b, 44), 30);
    EXPECT_EQ(le16(b, 156), 2);
    EXPECT_EQ(le32(b, 40), 0x40C80000u);
    EXPECT_EQ(std::memcmp(b.data() + 70, "Home\0", 5), 0);

    AccountTable t;
    t.accountCount = 2;
    t.accounts[1].id = 40000; // unsigned 16-bit
    t.accounts[1].groupIndex = 9;
    t.nextAccountId = 0x01020304;
    t.reserved[17] = 0xAB;
    b.clear();
    writeAccountTable(t, b);
    ASSERT_EQ(b.size(), 4124u);
    EXPECT_EQ(le16(b, 0), 2);
    EXPECT_EQ(le16(b, 2 + 82 + 60), 40000);
    EXPECT_EQ(le16(b, 2 + 82 + 78), 9);
    EXPECT_EQ(b[2 + 30], ' '); // accessOrder of an empty slot is one blank
    EXPECT_EQ(le32(b, 4102), 0x01020304u);
    EXPECT_EQ(b[4123], 0xAB);

    InitialValues iv;
    iv.birthDay = 31;
    iv.penaltyAge = 59.0f; // 0x426C0000
    b.clear();
    writeInitialValues(iv, b);
    EXPECT_EQ(le16(b, 78), 31);
    EXPECT_EQ(le32(b, 68), 0x426C0000u);
}

TEST(RecordIo, ShortGroupTableKeepsTheRestOfTheRecord) {
    GroupTable g;
    g.groupRandomMaxRate[9] = 12.5f;
    g.reserved[449] = 7;
    std::vector<uint8_t> prefix(30, 'x'); // only the first names' bytes
    readGroupTablePrefix(prefix, g);
    EXPECT_EQ(g.groupName[0][0], 'x');
    EXPECT_EQ(g.groupName[1][8], 'x');
    EXPECT_EQ(g.groupName[1][9], 0);
    EXPECT_EQ(g.groupRandomMaxRate[9], 12.5f);
    EXPECT_EQ(g.reserved[449], 7);
}

TEST(RecordIo, WholeScenarioImageRoundTrips) {
    // Random records with a valid event count and group bounds inside -50..100.
    for (int n : {0, 1, 3, 150}) {
        auto bytes = randomBytes(kScenarioFileBaseSize + kEventSize * n, 100 + n);
        // No byte 0x7f or 0xff, so no float among them is NaN or infinite.
        for (uint8_t& b : bytes)
            b &= 0x7e;
        bytes[0] = static_cast<uint8_t>(n);
        bytes[1] = 0;
        for (auto [at, age] : {std::pair{26, 45.0f}, std::pair{30, 90.0f}}) { // start, end age
            const uint32_t v = std::bit_cast<uint32_t>(age);
            for (int i = 0; i < 4; ++i)
                bytes[at + i] = uint8_t(v >> (8 * i));
        }
        const std::size_t groups = kInitialValuesSize + kEventSize * n + kAccountTableSize;
        for (int k = 0; k < 20; ++k) { // 10 minimums of 1.0, then 10 maximums of 2.0
            const uint32_t v = std::bit_cast<uint32_t>(k < 10 ? 1.0f : 2.0f);
            for (int i = 0; i < 4; ++i)
                bytes[groups + 210 + 4 * k + i] = uint8_t(v >> (8 * i));
        }
        auto s = std::make_unique<Scenario>();
        ASSERT_EQ(decodeScenario(bytes, *s), DecodeResult::Ok) << n;
        EXPECT_EQ(s->eventCount, n);
        std::vector<uint8_t> again;
        encodeScenario(*s, again);
        EXPECT_EQ(again, bytes) << n << " events";
    }
}

} // namespace
} // namespace finplan
