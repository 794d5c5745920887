#include "shell/logic/planner_command_line.h"

#include <filesystem>

namespace finplan {

PlannerCommandLine parsePlannerCommandLine(const std::vector<std::string>& args) {
    PlannerCommandLine c;
    // The accounts list's ID column is asked for by a command line of exactly "IDON".
    c.idColumn = args.size() == 2 && args[1] == "IDON";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            c.help = true;
        } else if (a == "--version") {
            c.version = true;
        } else if (a == "--desktop") {
            c.desktop = true;
        } else if (a == "--quit-after-paint") {
            c.quitAfterPaint = true;
        } else if (a == "--grab") {
            if (i + 1 == args.size()) {
                c.error = "option '--grab' needs a folder";
            } else {
                c.grabDir = args[++i];
            }
        } else if (a.rfind("--", 0) == 0) {
            if (c.error.empty()) c.error = "unrecognized option '" + a + "'";
        } else if (a != "IDON" && a.rfind('-', 0) != 0) {
            std::error_code ignored;
            c.scenario = std::filesystem::absolute(a, ignored).lexically_normal().string();
        }
    }
    return c;
}

std::string plannerUsage(const std::string& helpFile) {
    return "Usage: finplanner [OPTION]... [FILE.ret]\n"
           "Plans savings, spending and retirement year by year.\n"
           "Opens FILE.ret, or else the scenario of the last session. The settings\n"
           "(finance.dat, prefinf.dat) and the plot file are kept in the folder the\n"
           "planner is started in.\n"
           "\n"
           "      --desktop           keep them in the per-user data folder instead\n"
           "                          ($XDG_DATA_HOME/finplanner/plans, by default\n"
           "                          ~/.local/share/finplanner/plans), as when\n"
           "                          started from the desktop menu\n"
           "      --grab DIR          save a picture of every folder into DIR and exit\n"
           "                          (of FILE.ret, or of the bundled example)\n"
           "      --quit-after-paint  exit once the window has been shown\n"
           "      IDON                (alone) show the accounts' ID column\n"
           "  -h, --help              display this help and exit\n"
           "      --version           output version information and exit\n"
           "\n"
           "Qt's options (-platform, -style, ...) are taken as well.\n"
           "Help file: " +
           (helpFile.empty() ? std::string("not found") : helpFile) + "\n";
}

std::string plannerVersion(const std::string& version) {
    return "finplanner " + version + "\n";
}

std::string plannerUsageError(const std::string& error) {
    return "finplanner: " + error + "\nTry 'finplanner --help' for more information.\n";
}

} // namespace finplan
