// main() of the desktop planner: the composition root. Every object the program
// keeps for its life is made here and handed to the constructors that need it.
//
//   finplanner [IDON] [FILE.ret]        the planner (FILE.ret instead of the last one)
//   finplanner --grab DIR [FILE.ret]    saves a picture of every folder (of FILE.ret or
//                                       the bundled example), then exits
//   finplanner --quit-after-paint [...] exits once the window has been painted
//   finplanner --desktop [...]          works in the per-user data folder (the desktop
//                                       menu's entry starts it so)
//   finplanner --help | --version
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/account_list.h"
#include "model/file_names.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/settings_file.h"
#include "platform/posix_launcher.h"
#include "platform/stderr_messages.h"
#include "results/ready_run.h"
#include "shell/grab_folders.h"
#include "shell/logic/desktop_runner.h"
#include "shell/logic/graph_interaction.h"
#include "shell/logic/planner_command_line.h"
#include "shell/logic/program_files.h"
#include "shell/logic/tool_windows.h"
#include "shell/logic/user_options.h"
#include "shell/main_window.h"
#include "shell/qt_file_chooser.h"
#include "shell/qt_help.h"
#include "shell/qt_messages.h"
#include "shell/qt_printer.h"

namespace {

std::vector<std::string> argumentList(const QStringList& args) {
    std::vector<std::string> out;
    for (const QString& a : args)
        out.push_back(a.toStdString());
    return out;
}

// --help, --version and a command line in error are answered before Qt needs a display.
// True when the program ends here with status.
bool answeredWithoutWindow(int argc, char** argv, const std::string& programDir, int& status) {
    using namespace finplan;
    const PlannerCommandLine c =
        parsePlannerCommandLine(std::vector<std::string>(argv, argv + argc));
    status = 0;
    if (c.help) {
        std::fputs(plannerUsage(findProgramFile(programDir, "finance.hlp")).c_str(), stdout);
    } else if (c.version) {
        std::fputs(plannerVersion(FINPLAN_VERSION).c_str(), stdout);
    } else if (!c.error.empty()) {
        std::fputs(plannerUsageError(c.error).c_str(), stderr);
        status = 2;
    } else {
        return false;
    }
    return true;
}

// A start from the desktop menu works in the user's data folder, not the home folder.
// When that cannot be, the user is told (a start from the menu has no terminal) and the
// planner works in the folder it was started in.
void enterDesktopDataFolder(bool unattended) {
    using namespace finplan;
    const std::string problem =
        enterFolder(desktopDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    if (problem.empty()) return;
    std::fprintf(stderr, "finplanner: %s\n", problem.c_str());
    if (!unattended)
        QMessageBox::warning(nullptr, "Financial Planner",
                             QString::fromStdString(problem + "\nThe planner's files are kept in " +
                                                    std::filesystem::current_path().string() +
                                                    "."));
}

// Ends the event loop once the watched window has painted itself.
class QuitAfterPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !quitting) {
            quitting = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
    bool quitting = false;
};

// The scenario the window opens: the one named on the command line; a picture run
// without one shows the bundled example; otherwise empty (start-up opens the last one).
std::string startScenario(const finplan::PlannerCommandLine& args, const std::string& programDir) {
    if (!args.scenario.empty() || args.grabDir.empty()) return args.scenario;
    return finplan::findProgramFile(programDir, "example.ret");
}

// The window's life: pictures taken and done, or the event loop until it closes.
int showWindow(QApplication& app, finplan::MainWindow& window,
               const finplan::PlannerCommandLine& args) {
    QuitAfterPaint quitter;
    if (args.quitAfterPaint) window.installEventFilter(&quitter);
    window.show();
    if (!args.grabDir.empty()) return finplan::grabFolders(window, args.grabDir) ? 0 : 1;
    return app.exec();
}

// The ports the planner talks to the desktop through. A grab runs unattended: messages
// go to standard error and questions are answered No, so nothing waits for a user or
// changes a file.
struct DesktopPorts {
    DesktopPorts(const std::string& programDir, bool unattended)
        : headless(unattended), chooser([this] { return owner; }),
          // The help file of the working folder, else the one shipped with the program.
          help(finplan::files::kHelpFile, finplan::findProgramFile(programDir, "finance.hlp")),
          launcher(programDir), printer([this] { return owner; }) {}

    finplan::Messages& messages() {
        return headless ? static_cast<finplan::Messages&>(consoleMessages) : qtMessages;
    }
    // The window the dialogs belong to, once it exists.
    void ownedBy(QWidget* window) {
        owner = window;
        qtMessages.setParent(window);
        help.setParent(window);
    }

    bool headless;
    QWidget* owner = nullptr;
    finplan::QtMessages qtMessages;
    finplan::StderrMessages consoleMessages{false};
    finplan::QtFileChooser chooser;
    finplan::QtHelp help;
    finplan::PosixLauncher launcher;
    finplan::QtPrinter printer;
};

// The planner itself: the plan, its runs and the window, for as long as it is open.
int runPlanner(QApplication& app, const finplan::PlannerCommandLine& args,
               const std::string& programDir) {
    using namespace finplan;
    DesktopPorts ports(programDir, !args.grabDir.empty());
    Messages& messages = ports.messages();

    // The plan and everything its runs work on: an empty plan until one is opened.
    RunSetup runSetup;
    runSetup.plotFile = files::kPlotFile;
    ReadyRun ready(runSetup, messages);
    Scenario& scenario = ready.scenario();
    resetScenario(scenario);
    scenario.eventCount = 0;
    // Every change of the plan is told to the session; its revision rises with each.
    ScenarioSession session(scenario);
    ScenarioFiles scenarioFiles;
    DesktopRunner runner(session, ready.state(), ready.view(), ready.random(), ready.clock(),
                         messages, ports.chooser, ready.plot(), &scenarioFiles);

    Settings settings;
    AccountListSort accountSort;
    CalculatorMemory calculators;
    ToolWindows tools;
    UndoStack undo;
    PlannerParts parts{scenario,      session,        scenarioFiles,  settings, accountSort,
                       runner,        ready.series(), calculators,    tools,    messages,
                       ports.chooser, ports.help,     ports.launcher, undo,     ready.clock()};
    // The graph window's state lives as long as the program; graphs ignore the mouse
    // while a tool window is open.
    GraphInteraction graphs(ready.series(), scenario);
    graphs.inputBlocked = [&tools] { return tools.anyOpen(); };
    parts.graphs = &graphs;
    parts.printer = &ports.printer;

    // A file on the command line is opened where start-up opens the last scenario.
    MainWindow window(
        parts, ShellOptions{args.idColumn, startScenario(args, programDir),
                            userOptionsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))});
    ports.ownedBy(&window);
    return showWindow(app, window, args);
}

} // namespace

int main(int argc, char** argv) {
    const std::string programDir = finplan::PosixLauncher::runningProgramDir();
    if (int status = 0; answeredWithoutWindow(argc, argv, programDir, status)) return status;
    QApplication app(argc, argv);
    // Qt takes the user's locale on start-up; the planner's texts and files always
    // use a decimal point, as printf and strtof read and write them in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    // Read on what Qt leaves of the command line (the file made absolute here, before a
    // desktop start changes the working folder).
    const finplan::PlannerCommandLine args =
        finplan::parsePlannerCommandLine(argumentList(app.arguments()));
    if (args.desktop) enterDesktopDataFolder(!args.grabDir.empty());
    return runPlanner(app, args, programDir);
}
