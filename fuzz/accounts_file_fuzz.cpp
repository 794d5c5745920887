// Accounts file images: whatever a 4124-byte file holds must list, sort and take a new
// account without reading outside the table, and must write back byte for byte. Each
// input is listed in one order, picked by its last byte, so every order is reached over
// a fuzz run without paying for all of them on each input.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/account_list.h"
#include "model/record_io.h"
#include "model/scenario_ops.h"

namespace {

// Kept from one input to the next: the reader overwrites the whole table, and a fresh
// 35 KB scenario per input cost more than the reading.
struct Kept {
    finplan::Scenario scenario;
    std::vector<uint8_t> again;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The reader refuses every other length before looking at the bytes.
    if (size != finplan::kAccountTableSize) return 0;
    static auto* kept = new Kept;
    finplan::Scenario* s = &kept->scenario;
    if (!finplan::readAccountTable({data, size}, s->accounts)) std::abort();

    std::vector<uint8_t>& again = kept->again;
    again.clear();
    finplan::writeAccountTable(s->accounts, again);
    if (again.size() != size || std::memcmp(again.data(), data, size) != 0) std::abort();

    std::memcpy(s->groups.groupName[0], data, 20); // group names from the file's bytes too
    const uint8_t pick = data[size - 1];
    finplan::AccountListSort sort;
    sort.column = pick % (finplan::kAccessOrderColumn + 1);
    sort.byAccessOrder = (pick & 0x80) != 0;
    finplan::accountListRows(*s, sort);
    finplan::accountTotal(*s);
    if (s->accounts.accountCount < finplan::kMaxAccounts) finplan::assignAccountId(*s);
    return 0;
}
