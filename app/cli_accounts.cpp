#include "app/cli_commands.h"

namespace finplan::cli {

void addAccountCommands(CLI::App& app) { (void)app; }

}  // namespace finplan::cli
