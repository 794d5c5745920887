// The command-line runner: the planner's core without a window.
#include <CLI/CLI.hpp>

#include "app/cli_commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Financial planner command-line runner"};
    app.require_subcommand(1);
    finplan::cli::addScenarioCommands(app);
    finplan::cli::addRunCommands(app);
    finplan::cli::addAccountCommands(app);
    finplan::cli::addCalcCommands(app);
    finplan::cli::addGraphCommands(app);
    finplan::cli::addPrintCommands(app);
    finplan::cli::addTrialsCommands(app);
    finplan::cli::addHistoryCommands(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
