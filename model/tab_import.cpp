#include "model/tab_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/scenario_ops.h"

namespace finplan {

namespace {

bool nameIs(const Account& a, const std::string& name) {
    return !name.empty() && fieldText(a.name) == name;
}

bool sameName(const Account& a, const Account& b) {
    return fieldText(a.name) == fieldText(b.name);
}

void accountLimitReached(Messages& messages) {
    messages.show("Number of accounts exceed limit.", "Account Error", MessageIcon::Error);
}

// Fills the next free slot and lets the completer decide; true when it was counted in.
bool addImported(Scenario& s, const ImportLine& line, AccountCompleter& completer) {
    const int slot = s.accounts.accountCount;
    fillImportedAccount(s.accounts.accounts[slot], slot, line);
    completer.complete(s, slot);
    return s.accounts.accountCount > slot;
}

int countMatches(Scenario& s, std::istream& in) {
    int matches = 0;
    std::string raw;
    ImportLineReader lines(in);
    while (lines.next(raw)) {
        const std::string name = importLineName(raw);
        for (int i = 0; i < s.accounts.accountCount; ++i)
            if (nameIs(s.accounts.accounts[i], name)) ++matches;
    }
    return matches;
}

// Walks the table in list order; of two neighbours with one name the first goes.
int removeNeighbourDuplicates(Scenario& s) {
    int removed = 0;
    int i = 0;
    while (i + 1 < s.accounts.accountCount) {
        if (sameName(s.accounts.accounts[i], s.accounts.accounts[i + 1])) {
            deleteAccount(s, i);
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

// An amount the account editor would refuse (or no number at all) is not taken: the
// line is passed over with a word, and the rest of the file is read.
bool amountAccepted(const ImportLine& line, int lineNumber, Messages& messages) {
    if (line.amount >= -kMaxImportAmount && line.amount <= kMaxImportAmount) return true;
    messages.show("Line " + std::to_string(lineNumber) + ", account " + line.name +
                      ":\nThe amount must be between -100000000.00 and 100000000.00.",
                  "AMOUNT ERROR", MessageIcon::Error);
    return false;
}

// A tab report of this size is far beyond any account list; the rest is not read.
constexpr std::size_t kMaxTabFileBytes = 64u << 20;

// The file's text, or the "Cannot open %s." message with the system's reason.
bool readTabFile(const std::string& path, std::string& text, Messages& messages) {
    if (const FileResult r = readTextFile(path, kMaxTabFileBytes, text); !r) {
        messages.show(withReason("Cannot open " + path + ".", r.reason), "File Open Error",
                      MessageIcon::Error);
        return false;
    }
    return true;
}

} // namespace

bool AcceptDefaultsCompleter::complete(Scenario& s, int slot) {
    Account& a = s.accounts.accounts[slot];
    a.balance = a.initialAmount;
    a.currentRate = a.rate;
    assignAccountId(s);
    return true;
}

void fillImportedAccount(Account& a, int slot, const ImportLine& line) {
    std::memset(a.name, 0, sizeof a.name);
    std::memcpy(a.name, line.name.data(), std::min(line.name.size(), sizeof a.name - 1));
    a.initialAmount = line.amount;
    a.rate = 10.0f;
    a.type = static_cast<int16_t>(AccountType::InvestmentSavings);
    a.randomMinRate = 0.0f;
    a.randomMaxRate = 20.0f;
    a.penaltyFlag = 0;
    std::memset(a.accessOrder, 0, sizeof a.accessOrder);
    std::snprintf(a.accessOrder, sizeof a.accessOrder, "%d", slot);
}

TabImportResult readTabAccounts(Scenario& s, std::istream& in, AccountCompleter& completer,
                                Messages& messages) {
    TabImportResult result;
    result.opened = true;
    repairAccountCount(s);
    std::string raw;
    ImportLineReader lines(in);
    while (lines.next(raw)) {
        const auto line = parseImportLine(raw, ImportMode::Read);
        if (!line || !amountAccepted(*line, lines.lineNumber(), messages)) continue;
        if (s.accounts.accountCount >= kMaxAccounts) {
            accountLimitReached(messages);
            break;
        }
        if (addImported(s, *line, completer)) ++result.added;
    }
    return result;
}

TabImportResult updateTabAccounts(Scenario& s, std::istream& in, const std::string& fileName,
                                  const AccountListSort& sort, AccountCompleter& completer,
                                  Messages& messages) {
    TabImportResult result;
    result.opened = true;
    repairAccountCount(s);

    int matches = countMatches(s, in);
    if (matches == 0) {
        messages.show("Found 0 accounts in the file " + fileName +
                          ".\nPlease make sure this is a tab-delimited file type.",
                      "Possible incorrect file type.", MessageIcon::Error);
        return result;
    }
    matches = std::min(matches, static_cast<int>(s.accounts.accountCount));
    if (!messages.ask("Updating " + std::to_string(matches) + " out of " +
                          std::to_string(s.accounts.accountCount) +
                          " accounts.\nDo you wish to continue?",
                      "Updating Accounts", MessageIcon::Warning))
        return result;
    result.proceeded = true;

    in.clear();
    in.seekg(0);
    std::string raw;
    ImportLineReader lines(in);
    while (lines.next(raw)) {
        const auto line = parseImportLine(raw, ImportMode::Update);
        if (!line || !amountAccepted(*line, lines.lineNumber(), messages)) continue;
        bool matched = false;
        for (int i = 0; i < s.accounts.accountCount; ++i) {
            Account& a = s.accounts.accounts[i];
            if (!nameIs(a, line->name)) continue;
            a.initialAmount = line->amount;
            matched = true;
        }
        if (matched) {
            ++result.updated;
            continue;
        }
        if (!messages.ask("Account " + line->name +
                              " is not an existing account.\nDo you wish to add it?",
                          "New Account Found", MessageIcon::Warning))
            continue;
        if (s.accounts.accountCount >= kMaxAccounts) {
            accountLimitReached(messages);
            continue;
        }
        if (addImported(s, *line, completer)) ++result.added;
    }

    sortForList(s, sort);
    result.duplicatesRemoved = removeNeighbourDuplicates(s);
    sortForList(s, sort);
    return result;
}

TabImportResult readTabAccountsFile(Scenario& s, const std::string& path,
                                    AccountCompleter& completer, Messages& messages) {
    std::string text;
    if (!readTabFile(path, text, messages)) return {};
    std::istringstream in(text);
    return readTabAccounts(s, in, completer, messages);
}

TabImportResult updateTabAccountsFile(Scenario& s, const std::string& path,
                                      const AccountListSort& sort, AccountCompleter& completer,
                                      Messages& messages) {
    std::string text;
    if (!readTabFile(path, text, messages)) return {};
    std::istringstream in(text);
    return updateTabAccounts(s, in, path, sort, completer, messages);
}

} // namespace finplan
