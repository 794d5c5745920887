// main() of the desktop planner: the composition root. Every object the program
// keeps for its life is made here and handed to the constructors that need it.
//
//   finplanner [IDON] [FILE.ret]        the planner (FILE.ret instead of the last one)
//   finplanner --grab DIR [FILE.ret]    saves a picture of every folder (of FILE.ret or
//                                       the bundled example), then exits
//   finplanner --quit-after-paint [...] exits once the window has been painted
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "app/cli_support.h"
#include "engine/run_state.h"
#include "graphs/plot_file.h"
#include "graphs/plot_series.h"
#include "model/account_list.h"
#include "model/file_names.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/settings_file.h"
#include "platform/clock.h"
#include "platform/posix_launcher.h"
#include "platform/random.h"
#include "shell/grab_folders.h"
#include "shell/logic/desktop_runner.h"
#include "shell/logic/graph_interaction.h"
#include "shell/logic/tool_windows.h"
#include "shell/main_window.h"
#include "shell/qt_file_chooser.h"
#include "shell/qt_help.h"
#include "shell/qt_messages.h"

namespace {

struct Arguments {
    bool idColumn = false;
    bool quitAfterPaint = false;
    std::string grabDir;
    std::string scenario;
};

Arguments parseArguments(const QStringList& args) {
    Arguments a;
    // The accounts list's ID column is asked for by a command line of exactly "IDON".
    a.idColumn = args.size() == 2 && args[1] == "IDON";
    for (int i = 1; i < args.size(); ++i) {
        const QString& s = args[i];
        if (s == "--grab" && i + 1 < args.size()) {
            a.grabDir = args[++i].toStdString();
        } else if (s == "--quit-after-paint") {
            a.quitAfterPaint = true;
        } else if (s != "IDON" && !s.startsWith("-")) {
            a.scenario = QDir(s).absolutePath().toStdString();
        }
    }
    return a;
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt takes the user's locale on start-up; the planner's texts and files always
    // use a decimal point, as printf and strtof read and write them in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    const Arguments args = parseArguments(app.arguments());
    const bool headless = !args.grabDir.empty();

    using namespace finplan;
    // The plan and everything the runs and commands work on.
    auto scenario = std::make_unique<Scenario>();
    ScenarioFiles scenarioFiles;
    Settings settings;
    AccountListSort accountSort;
    auto runState = std::make_unique<RunState>();
    ViewSettings view;
    SystemClock clock;
    SeededRandom random(static_cast<uint32_t>(std::time(nullptr)));
    resetScenario(*scenario);
    scenario->eventCount = 0;

    // The ports. A grab runs unattended: messages go to standard error and questions
    // are answered No, so nothing waits for a user or changes a file.
    QtMessages qtMessages;
    cli::StderrMessages consoleMessages(false);
    Messages& messages = headless ? static_cast<Messages&>(consoleMessages) : qtMessages;
    QWidget* owner = nullptr;
    QtFileChooser chooser([&owner] { return owner; });
    QtHelp help(files::kHelpFile,
                (QCoreApplication::applicationDirPath() + "/finance.hlp").toStdString());
    PosixLauncher launcher;
    ToolWindows tools;
    auto plotSeries = std::make_unique<PlotSeries>();
    PlotFileWriter plotFile(*plotSeries, clock, messages, files::kPlotFile);
    DesktopRunner runner(*scenario, *runState, view, random, clock, messages, chooser, &plotFile,
                         &scenarioFiles);

    CalculatorMemory calculators;
    UndoStack undo;
    PlannerParts parts{*scenario,   scenarioFiles, settings, accountSort, runner,
                       *plotSeries, calculators,   tools,    messages,    chooser,
                       help,        launcher,      undo,     clock};
    // The graph window's state lives as long as the program; graphs ignore the mouse
    // while a tool window is open.
    GraphInteraction graphs(*plotSeries, *scenario);
    graphs.inputBlocked = [&tools] { return tools.anyOpen(); };
    parts.graphs = &graphs;
    std::string scenarioPath = args.scenario;
    if (headless && scenarioPath.empty()) {
        // A picture run without a file shows the bundled example copied beside the program.
        QString example = QCoreApplication::applicationDirPath() + "/example.ret";
        if (QFile::exists(example)) scenarioPath = example.toStdString();
    }
    // A file on the command line is opened where start-up opens the last scenario.
    MainWindow window(parts, ShellOptions{args.idColumn, scenarioPath});
    owner = &window;
    qtMessages.setParent(&window);
    help.setParent(&window);

    QuitAfterPaint quitter;
    if (args.quitAfterPaint) window.installEventFilter(&quitter);
    window.show();
    if (headless) return grabFolders(window, args.grabDir) ? 0 : 1;
    return app.exec();
}
