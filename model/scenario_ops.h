// Operations on the in-memory scenario: defaults, derived totals, the event slot
// slots, event and account ordering, account ids and deletion.
#pragma once

#include <cstdint>
#include <string>

#include "model/scenario.h"
#include "platform/clock.h"
#include "platform/messages.h"

namespace finplan {

// New-scenario values; keeps group rate bounds and the birthday. The caller sets
// eventCount to 0.
void resetScenario(Scenario& s);

// Derived totals and averages of InitialValues; balance := initialAmount and
// currentRate := rate for every account in use.
void recomputeTotals(Scenario& s);

void clearEventSlot(Scenario& s, int slot);

// True when all 150 slots are in use: adding or copying an event must be refused.
bool eventTableFull(const Scenario& s);

// Copies event i into slot eventCount; false when the table is full or i is invalid.
bool copyEvent(Scenario& s, int index);
void deleteEvent(Scenario& s, int index);
// List order: start age, description (byte-wise), kind; stable.
void sortEvents(Scenario& s);

// A damaged account count (outside 0..50) becomes an empty table, next id 0.
void repairAccountCount(Scenario& s);

// Slot index of the account with that id among the accounts in use, or -1.
int findAccountIndex(const Scenario& s, int id);
// Appends the name of the account with that id (nothing when there is none).
void appendAccountName(const Scenario& s, std::string& text, int id);
// Gives the new account in slot accountCount its id and counts it in.
void assignAccountId(Scenario& s);

// Shows the refusal messages when an event needs the account.
bool canDeleteAccount(const Scenario& s, int index, Messages& messages);
void deleteAccount(Scenario& s, int index);

enum class AccountSortKey { Name, Group, Penalty, Type, Rate, Amount, AccessOrder };
void sortAccounts(Scenario& s, AccountSortKey key, bool ascending);

// "Re-Index Accounts": asks first; true when the accounts were re-indexed.
bool reindexAccounts(Scenario& s, Messages& messages);

// Fraction of a year since the last birthday, from today's date.
float birthdayFraction(const InitialValues& iv, const LocalTime& today);

// Ordering key of a stored float: NaN (damaged file) sorts after every number.
float sortableFloat(float v);

// Display name of an account type code ("Asset" ... "Tax Free Savings"), padded with
// blanks to 18 characters; an unknown code gives 18 blanks.
const char* accountTypeName(int type);

// Dialog title of an event kind ("Fundamentals" ... "Withdrawal"); "" for others.
const char* eventKindName(int kind);

} // namespace finplan
