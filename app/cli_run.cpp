#include "app/cli_commands.h"

namespace finplan::cli {

void addRunCommands(CLI::App& app) { (void)app; }

}  // namespace finplan::cli
