// Tab-delimited account files: both the Read and the Update pass over arbitrary bytes,
// into a table that already holds a few accounts.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "model/scenario_ops.h"
#include "model/tab_import.h"
#include "platform/recording_messages.h"

namespace {

void seedAccounts(finplan::Scenario& s) {
    finplan::resetScenario(s);
    for (const char* name : {"Cash", "Checking", "Cash", "Savings Acct"}) {
        std::strcpy(s.accounts.accounts[s.accounts.accountCount].name, name);
        finplan::assignAccountId(s);
    }
}

void checkTable(const finplan::Scenario& s) {
    if (s.accounts.accountCount < 0 || s.accounts.accountCount > finplan::kMaxAccounts)
        std::abort();
    for (int i = 0; i < s.accounts.accountCount; ++i) {
        const finplan::Account& a = s.accounts.accounts[i];
        if (memchr(a.name, 0, sizeof a.name) == nullptr) std::abort();
        if (memchr(a.accessOrder, 0, sizeof a.accessOrder) == nullptr) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Kept from one input to the next: seedAccounts starts each pass from a new
    // scenario, and a fresh 35 KB one per input cost more than the import.
    static auto* s = new finplan::Scenario;
    finplan::AcceptDefaultsCompleter completer;
    finplan::RecordingMessages messages;

    seedAccounts(*s);
    std::istringstream read(text);
    finplan::readTabAccounts(*s, read, completer, messages);
    checkTable(*s);

    seedAccounts(*s);
    std::istringstream update(text);
    finplan::AccountListSort sort;
    sort.column = size > 0 ? data[0] % 7 : 0;
    finplan::updateTabAccounts(*s, update, "fuzz.kvi", sort, completer, messages);
    checkTable(*s);
    return 0;
}
