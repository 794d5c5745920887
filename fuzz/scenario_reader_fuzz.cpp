// Scenario file images of any length and content: loading must never read outside
// the records or the tables, whatever the counts and ids say; what loads must list,
// sort and write back, and a second load of that image must give the same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"

using namespace finplan;

namespace {

// Kept from one input to the next: the reader resets them itself, and a fresh 35 KB
// scenario per input (twice) cost more than the reading.
struct Kept {
    Scenario scenario;
    Scenario again;
    std::vector<uint8_t> first;
    std::vector<uint8_t> second;
    std::string text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* kept = new Kept;
    Scenario* s = &kept->scenario;
    if (decodeScenario({data, size}, *s) != DecodeResult::Ok) {
        if (s->eventCount != 0) std::abort();
        return 0;
    }
    if (s->eventCount < 0 || s->eventCount > kMaxEvents) std::abort();

    // What the program does with a freshly opened file.
    sortEvents(*s);
    recomputeTotals(*s);
    // One account and one sort order per input, picked by its last byte: every one is
    // reached over the run, at a seventh of the cost of all of them each time.
    const uint8_t pick = size > 0 ? data[size - 1] : 0;
    std::string& text = kept->text;
    text.clear();
    for (int i = 0; i < s->eventCount; ++i) {
        const Event& e = s->events[i];
        appendAccountName(*s, text, e.fromAccountId);
        appendAccountName(*s, text, e.toAccountId);
        eventKindName(e.kind);
    }
    RecordingMessages messages;
    canDeleteAccount(*s, pick % (kMaxAccounts + 1), messages);
    accountTypeName(s->accounts.accounts[pick % kMaxAccounts].type);
    const int keys = static_cast<int>(AccountSortKey::AccessOrder) + 1;
    sortAccounts(*s, static_cast<AccountSortKey>(pick % keys), (pick & 0x80) != 0);
    birthdayFraction(s->initial, LocalTime{2026, 3, 1});

    std::vector<uint8_t>& first = kept->first;
    encodeScenario(*s, first);
    Scenario* again = &kept->again;
    if (decodeScenario(first, *again) != DecodeResult::Ok) std::abort();
    std::vector<uint8_t>& second = kept->second;
    encodeScenario(*again, second);
    if (first != second) std::abort();

    // Taking a new account must stay inside the 50 slots.
    assignAccountId(*s);
    if (s->accounts.usableCount() != s->accounts.accountCount) std::abort();
    return 0;
}
