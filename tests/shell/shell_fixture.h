// Everything a main window needs, with scripted ports, in a fresh working folder.
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "engine/run_state.h"
#include "graphs/plot_file.h"
#include "graphs/plot_series.h"
#include "model/account_list.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/settings_file.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/launcher.h"
#include "platform/random.h"
#include "platform/recording_messages.h"
#include "platform/scripted_file_chooser.h"
#include "shell/form_dialog.h"
#include "shell/logic/desktop_runner.h"
#include "shell/logic/tool_windows.h"
#include "shell/main_window.h"

namespace finplan {

struct ShellFixture {
    ShellFixture();
    ~ShellFixture();
    // Builds the window (start-up runs in the constructor).
    MainWindow& open(ShellOptions options = {});
    // The parts a window or a tool dialog works on.
    PlannerParts parts();

    QTemporaryDir dir;
    QString oldDir;
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    ScenarioSession session{*scenario};
    ScenarioFiles files;
    Settings settings;
    AccountListSort sort;
    std::unique_ptr<RunState> state = std::make_unique<RunState>();
    ViewSettings view;
    FixedClock clock{LocalTime{2026, 3, 4, 10, 0, 0}};
    SeededRandom random{7};
    RecordingMessages messages;
    ScriptedFileChooser chooser;
    RecordingHelp help;
    RecordingLauncher launcher;
    ToolWindows tools;
    CalculatorMemory calculators;
    UndoStack undo;
    std::unique_ptr<PlotSeries> plots = std::make_unique<PlotSeries>();
    std::unique_ptr<PlotFileWriter> plotFile;
    std::unique_ptr<DesktopRunner> runner;
    std::unique_ptr<MainWindow> window;
    // The calculator windows the window opens are shown, handed to this (to type into
    // them) and then OK is pressed where they have one.
    std::function<void(QDialog&)> answerDialog;
};

// Copies the bundled example into the working folder under that name, writable.
QString copyExample(const QString& name = "plan.ret");

// Once the window shows a dialog, `act` runs on it (typing, clicking); a dialog
// still open afterwards is cancelled so a test never waits for a person.
void whenDialogShows(MainWindow& w, std::function<void(FormDialog&)> act);

// From now on every dialog the window shows is answered with its default button (the
// account dialogs an import opens, one per new account).
void acceptEveryDialog(MainWindow& w);

// Texts shown so far, joined for failure output.
std::string shownTexts(const RecordingMessages& m);

} // namespace finplan
