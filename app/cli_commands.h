// Subcommands of the command-line runner; each family lives in its own file.
#pragma once

#include <CLI/CLI.hpp>

namespace finplan::cli {

void addScenarioCommands(CLI::App& app); // info, save-as
void addRunCommands(CLI::App& app);      // run, describe
void addAccountCommands(CLI::App& app);  // accounts, import-accounts
void addCalcCommands(CLI::App& app);     // calc ...
void addGraphCommands(CLI::App& app);    // graph
void addPrintCommands(CLI::App& app);    // print, print-graph
void addTrialsCommands(CLI::App& app);   // trials
void addHistoryCommands(CLI::App& app);  // history

} // namespace finplan::cli
