// Accounts file images: whatever a 4124-byte file holds must list, sort and take a new
// account without reading outside the table, and must write back byte for byte.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "model/account_list.h"
#include "model/record_io.h"
#include "model/scenario_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The reader refuses every other length before looking at the bytes.
    if (size != finplan::kAccountTableSize) return 0;
    auto s = std::make_unique<finplan::Scenario>();
    if (!finplan::readAccountTable({data, size}, s->accounts)) std::abort();

    std::vector<uint8_t> again;
    finplan::writeAccountTable(s->accounts, again);
    if (again.size() != size || std::memcmp(again.data(), data, size) != 0) std::abort();

    std::memcpy(s->groups.groupName[0], data, 20); // group names from the file's bytes too
    for (int column = 0; column <= finplan::kAccessOrderColumn; ++column) {
        finplan::AccountListSort sort;
        sort.column = column;
        sort.byAccessOrder = (data[0] & 1) != 0;
        finplan::accountListRows(*s, sort);
    }
    finplan::accountTotal(*s);
    if (s->accounts.accountCount < finplan::kMaxAccounts) finplan::assignAccountId(*s);
    return 0;
}
