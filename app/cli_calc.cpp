#include "app/cli_commands.h"

namespace finplan::cli {

void addCalcCommands(CLI::App& app) { (void)app; }

}  // namespace finplan::cli
