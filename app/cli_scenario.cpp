// finplan info FILE.ret      a short summary of a scenario
// finplan save-as IN OUT     Open, then Save As without the overwrite question
// finplan restore FILE [--discard]  put back what an interrupted save of FILE kept, or
//                            remove it and keep FILE as it is
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "model/file_prompts.h"
#include "model/market_file.h"
#include "model/safe_copy.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/shown_names.h"
#include "text/format.h"
#include "text/money_text.h"
#include "text/printable_text.h"

namespace finplan::cli {

namespace {

void printSummary(const Scenario& s, const ScenarioFiles& files, std::ostream& out) {
    const InitialValues& iv = s.initial;
    out << "File: " << printableText(files.displayName) << '\n';
    out << format("Start age: %.2f  End age: %.2f  Birthday: %d/%d%s\n",
                  static_cast<double>(iv.startAge), static_cast<double>(iv.endAge), iv.birthMonth,
                  iv.birthDay, iv.useBirthday == 1 ? " (used)" : "");
    out << formatPercent("Tax rate: ", iv.taxRate) << "  "
        << formatPercent("Inflation rate: ", iv.inflationRate) << "  "
        << format("Penalty age: %.2f  ", static_cast<double>(iv.penaltyAge))
        << formatPercent("Penalty rate: ", iv.penaltyRate) << '\n';

    const int accounts = s.accounts.usableCount();
    out << "Accounts: " << accounts << '\n';
    for (int i = 0; i < accounts; ++i) {
        const Account& a = s.accounts.accounts[i];
        out << format("  %-29s  %s  %-15s %7.2f%%", accountName(a).c_str(), accountTypeName(a.type),
                      money(a.initialAmount).c_str(), static_cast<double>(a.rate));
        if (s.groups.exists(a.groupIndex)) out << "  " << groupName(s, a.groupIndex);
        out << '\n';
    }

    int byKind[7] = {};
    for (int i = 0; i < s.eventCount; ++i) {
        const int k = s.events[i].kind;
        ++byKind[(k >= 1 && k <= 6) ? k : 0];
    }
    out << "Events: " << s.eventCount << '\n';
    for (int k = 1; k <= 6; ++k)
        if (byKind[k]) out << format("  %-12s %d\n", eventKindName(k), byKind[k]);
    if (byKind[0]) out << format("  %-12s %d\n", "(unknown)", byKind[0]);
}

} // namespace

void addScenarioCommands(CLI::App& app) {
    auto infoPath = std::make_shared<std::string>();
    CLI::App* info = app.add_subcommand("info", "Print a short summary of a scenario file");
    info->add_option("file", *infoPath, "Scenario file (.ret)")->required();
    info->callback([infoPath] {
        StderrMessages messages;
        auto s = std::make_unique<Scenario>();
        ScenarioFiles files;
        if (!loadScenario(*infoPath, *s, files, messages)) throw CLI::RuntimeError(1);
        printSummary(*s, files, std::cout);
    });

    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    CLI::App* saveAs =
        app.add_subcommand("save-as", "Open a scenario and write it under a new name");
    saveAs->add_option("input", *in, "Scenario file to open")->required();
    saveAs->add_option("output", *out, "File to write")->required();
    saveAs->callback([in, out] {
        StderrMessages messages;
        auto s = std::make_unique<Scenario>();
        ScenarioFiles files;
        if (!loadScenario(*in, *s, files, messages)) throw CLI::RuntimeError(1);
        files.scenarioPath = files.displayName = *out;
        if (!writeScenario(*s, files, messages)) throw CLI::RuntimeError(1);
        if (const FileResult r = copyMarketFile(*in, *out); !r)
            messages.show("The markets file could not be copied: " + r.reason, "FILE WARNING",
                          MessageIcon::Warning);
    });

    auto restorePath = std::make_shared<std::string>();
    auto discard = std::make_shared<bool>(false);
    CLI::App* restore =
        app.add_subcommand("restore", "Put back what an interrupted save of a file was writing");
    restore->add_option("file", *restorePath, "The file whose save was interrupted")->required();
    restore->add_flag("--discard", *discard, "Remove the kept copy and leave the file as it is");
    restore->callback([restorePath, discard] {
        StderrMessages messages;
        const std::string& path = *restorePath;
        const auto copy = findSafeCopy(path);
        if (!copy) {
            messages.show("No interrupted save of " + path + " is known.", "FILE WARNING",
                          MessageIcon::Warning);
            throw CLI::RuntimeError(1);
        }
        const FileResult r = *discard ? discardSafeCopy(path) : restoreSafeCopy(path);
        if (!r) {
            showFileError(messages, "Cannot restore " + path + "!", r.reason);
            throw CLI::RuntimeError(1);
        }
        std::cout << (*discard ? "Removed " + *copy + "\n" : "Restored " + path + "\n");
    });
}

} // namespace finplan::cli
