#include "app/cli_commands.h"

namespace finplan::cli {

void addScenarioCommands(CLI::App& app) { (void)app; }

}  // namespace finplan::cli
