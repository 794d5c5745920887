// Account lookup, ids, deletion, ordering and re-indexing. Events refer to accounts
// only by id, so everything here works on ids and never keeps a slot index.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "model/scenario_ops.h"
#include "model/shown_names.h"

namespace finplan {

namespace {

// Case-insensitive comparison of two fixed-width texts, stopping at the NUL.
int compareNoCase(const char* a, const char* b, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
    return 0;
}

const char* groupNameOf(const GroupTable& g, int index) {
    return (index >= 0 && index < kMaxGroups) ? g.groupName[index] : "";
}

bool requiresAccount(const Event& e, int id) {
    switch (e.eventKind()) {
    case EventKind::Deposit:
    case EventKind::Loan:
    case EventKind::Fundamentals:
        return e.toAccountId == id; // rateAccountId for Fundamentals
    case EventKind::Transfer:
        return e.fromAccountId == id || e.toAccountId == id;
    default:
        return false; // withdrawals and mortgages never block a deletion
    }
}

} // namespace

void repairAccountCount(Scenario& s) {
    if (s.accounts.accountCount < 0 || s.accounts.accountCount > kMaxAccounts) {
        s.accounts.accountCount = 0;
        s.accounts.nextAccountId = 0;
    }
}

int findAccountIndex(const Scenario& s, int id) {
    const int n = s.accounts.usableCount();
    for (int i = 0; i < n; ++i)
        if (static_cast<int>(s.accounts.accounts[i].id) == id) return i;
    return -1;
}

void appendAccountName(const Scenario& s, std::string& text, int id) {
    const int i = findAccountIndex(s, id);
    if (i < 0) return;
    text.append(accountName(s.accounts.accounts[i]));
}

void assignAccountId(Scenario& s) {
    repairAccountCount(s);
    AccountTable& t = s.accounts;
    if (t.accountCount >= kMaxAccounts) return; // the accounts folder refuses a 51st
    // Ids are 16-bit and wrap well before that; a damaged counter restarts the same way.
    if (t.nextAccountId >= 30000 || t.nextAccountId < 0) t.nextAccountId = 10;

    Account& added = t.accounts[t.accountCount];
    added.id = static_cast<uint16_t>(t.nextAccountId);
    // Each scan tests one candidate; every account carrying it moves the counter on.
    for (bool clash = true; clash;) {
        clash = false;
        for (int i = 0; i < t.accountCount; ++i) {
            if (t.accounts[i].id == added.id) {
                ++t.nextAccountId;
                clash = true;
            }
        }
        added.id = static_cast<uint16_t>(t.nextAccountId);
    }
    ++t.accountCount;
    ++t.nextAccountId;
}

bool canDeleteAccount(const Scenario& s, int index, Messages& messages) {
    if (index < 0 || index >= s.accounts.usableCount()) return false;
    const int id = s.accounts.accounts[index].id;
    const int n = s.usedEventCount();
    bool needed = false;
    for (int i = 0; i < n; ++i) {
        const Event& e = s.events[i];
        if (!requiresAccount(e, id)) continue;
        needed = true;
        const std::string description = eventDescription(e);
        messages.show("This account is required by the " + description + " event.",
                      "Account Deletion Problem!", MessageIcon::Warning);
    }
    if (needed)
        messages.show("Make the necessary changes to your Financial Scenario.",
                      "Cannot delete this account!", MessageIcon::Warning);
    return !needed;
}

void deleteAccount(Scenario& s, int index) {
    AccountTable& t = s.accounts;
    const int n = t.usableCount();
    if (index < 0 || index >= n) return;
    // The freed last slot keeps its old bytes, as the stored files always have.
    for (int i = index; i + 1 < n; ++i)
        t.accounts[i] = t.accounts[i + 1];
    t.accountCount = static_cast<int16_t>(n - 1);
}

void sortAccounts(Scenario& s, AccountSortKey key, bool ascending) {
    const GroupTable& groups = s.groups;
    auto less = [&](const Account& a, const Account& b) {
        switch (key) {
        case AccountSortKey::Name:
            return compareNoCase(a.name, b.name, kAccountNameWidth) < 0;
        case AccountSortKey::Group:
            return compareNoCase(groupNameOf(groups, a.groupIndex),
                                 groupNameOf(groups, b.groupIndex), kGroupNameWidth) < 0;
        case AccountSortKey::Penalty:
            return a.penaltyFlag < b.penaltyFlag;
        case AccountSortKey::Type:
            return a.type < b.type;
        case AccountSortKey::Rate:
            return sortableFloat(a.rate) < sortableFloat(b.rate);
        case AccountSortKey::Amount:
            return sortableFloat(a.initialAmount) < sortableFloat(b.initialAmount);
        case AccountSortKey::AccessOrder:
            return compareNoCase(a.accessOrder, b.accessOrder, kAccessOrderWidth) < 0;
        }
        return false;
    };
    Account* first = s.accounts.accounts;
    Account* last = first + s.accounts.usableCount();
    // Every run sorts by access order again; accounts already in order are left as they
    // are (what a stable sort would do) without the sort's scratch buffer.
    if (ascending) {
        if (!std::is_sorted(first, last, less)) std::stable_sort(first, last, less);
    } else
        std::stable_sort(first, last,
                         [&](const Account& a, const Account& b) { return less(b, a); });
}

bool reindexAccounts(Scenario& s, Messages& messages) {
    if (!messages.ask("This may change the account assignments in your scenario!\n"
                      "Do you wish to continue?",
                      "Accounts", MessageIcon::Warning))
        return false;
    repairAccountCount(s);
    AccountTable& t = s.accounts;
    t.nextAccountId = 0;
    sortAccounts(s, AccountSortKey::Name, true);
    for (int i = 0; i < t.accountCount; ++i) {
        t.accounts[i].id = static_cast<uint16_t>(t.nextAccountId);
        ++t.nextAccountId;
    }
    messages.show("The Accounts have been re-indexed.\n"
                  "Please check the account assignments in your scenario.",
                  "Accounts", MessageIcon::Information);
    return true;
}

} // namespace finplan
