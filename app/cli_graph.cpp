#include "app/cli_commands.h"

namespace finplan::cli {

void addGraphCommands(CLI::App& app) { (void)app; }

}  // namespace finplan::cli
