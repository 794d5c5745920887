// finplan accounts FILE.ret [--ids]                  the accounts as the Accounts folder lists them
// finplan import-accounts FILE.ret TABFILE [--update] read or update accounts from a
//                                                     tab-delimited file, every new account
//                                                     taken with its defaults
#include <iostream>
#include <memory>
#include <string>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "engine/money.h"
#include "model/account_list.h"
#include "model/file_lock.h"
#include "model/file_prompts.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/tab_import.h"

namespace finplan::cli {

namespace {

std::string rowText(const AccountRow& r, bool withIds) {
    std::string line =
        format("%-29s  %-20s  %-1s  %-18s  %8s  %13s  ", r.name.c_str(), r.group.c_str(),
               r.penalty.c_str(), r.type.c_str(), r.rate.c_str(), r.amount.c_str());
    return line + (withIds ? format("%-5s  %s", r.order.c_str(), r.id.c_str()) : r.order);
}

void printAccounts(Scenario& s, bool withIds, std::ostream& out) {
    const AccountRow header{"Account", "Group",  "P",     "Account Type",
                            "Rate",    "Amount", "Order", "   ID"};
    out << rowText(header, withIds) << '\n';
    const auto rows = accountListRows(s, AccountListSort{});
    for (const AccountRow& r : rows)
        out << rowText(r, withIds) << '\n';
    // The folder leaves the count and total blank for an empty table.
    if (rows.empty()) return;
    out << format("Number of Accounts: %2d\n", static_cast<int>(rows.size()));
    out << "Total: " << formatMoney(format("%13.2f", static_cast<double>(accountTotal(s)))) << '\n';
}

// The non-interactive import: every question answered Yes, every new account OK'd
// as filled. True when the scenario changed and was written back.
bool importAccounts(const std::string& scenarioPath, const std::string& tabPath, bool update) {
    StderrMessages messages(true);
    auto s = std::make_unique<Scenario>();
    ScenarioFiles files;
    // Held from the read to the write: another update of the file waits its turn
    // instead of being overwritten by this one.
    FileLock lock;
    const FileResult locked = lock.acquire(scenarioPath);
    if (!loadScenario(scenarioPath, *s, files, messages)) return false;
    if (!locked) {
        showFileError(messages, "Cannot lock " + scenarioPath + "!", locked.reason);
        return false;
    }

    AcceptDefaultsCompleter completer;
    TabImportResult r;
    std::string summary;
    if (update) {
        r = updateTabAccountsFile(*s, tabPath, AccountListSort{}, completer, messages);
        if (!r.proceeded) return false;
        s->scenarioModified = true;
        s->resultsStale = true;
        summary = format("Updated %d line(s), added %d account(s), removed %d duplicate(s)\n",
                         r.updated, r.added, r.duplicatesRemoved);
    } else {
        r = readTabAccountsFile(*s, tabPath, completer, messages);
        if (!r.opened) return false;
        summary = format("Added %d account(s)\n", r.added);
    }
    // The summary tells what the file now holds, so it comes only once it is written.
    if (update || r.added > 0) {
        // The totals the file carries, as the main window refreshes them before a save.
        recomputeTotals(*s);
        if (!writeScenario(*s, files, messages)) return false;
    }
    std::cout << summary;
    return true;
}

} // namespace

void addAccountCommands(CLI::App& app) {
    auto listPath = std::make_shared<std::string>();
    auto withIds = std::make_shared<bool>(false);
    CLI::App* list = app.add_subcommand("accounts", "List the accounts of a scenario");
    list->add_option("file", *listPath, "Scenario file (.ret)")->required();
    list->add_flag("--ids", *withIds, "Add the ID column");
    list->callback([listPath, withIds] {
        StderrMessages messages;
        auto s = std::make_unique<Scenario>();
        ScenarioFiles files;
        if (!loadScenario(*listPath, *s, files, messages)) throw CLI::RuntimeError(1);
        printAccounts(*s, *withIds, std::cout);
    });

    auto scenario = std::make_shared<std::string>();
    auto tabFile = std::make_shared<std::string>();
    auto update = std::make_shared<bool>(false);
    CLI::App* import = app.add_subcommand(
        "import-accounts", "Read or update the accounts of a scenario from a tab-delimited file");
    import->add_option("file", *scenario, "Scenario file (.ret), written back")->required();
    import->add_option("tabfile", *tabFile, "Tab-delimited account file (.kvi, .txt)")->required();
    import->add_flag("--update", *update,
                     "Update existing accounts by name and add the others (default: add all)");
    import->callback([scenario, tabFile, update] {
        if (!importAccounts(*scenario, *tabFile, *update)) throw CLI::RuntimeError(1);
});
} // namespace finplan::cli

} // namespace finplan::cli
