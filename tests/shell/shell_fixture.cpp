#include "shell_fixture.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>

namespace finplan {

ShellFixture::ShellFixture() {
    oldDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    resetScenario(*scenario);
    scenario->eventCount = 0;
    plotFile = std::make_unique<PlotFileWriter>(*plots, clock, messages, files::kPlotFile);
    runner = std::make_unique<DesktopRunner>(session, *state, view, random, clock, messages,
                                             chooser, plotFile.get(), &files);
}

ShellFixture::~ShellFixture() {
    window.reset();
    QDir::setCurrent(oldDir);
}

MainWindow& ShellFixture::open(ShellOptions options) {
    window = std::make_unique<MainWindow>(parts(), options);
    window->dialogRunner = [this](QDialog& d) {
        d.show();
        if (answerDialog) answerDialog(d);
        if (auto* ok = d.findChild<QPushButton*>("OK")) ok->click();
        d.hide();
        return d.result();
    };
    return *window;
}

PlannerParts ShellFixture::parts() {
    return PlannerParts{*scenario, session, files,       settings, sort,
                        *runner,   *plots,  calculators, tools,    messages,
                        chooser,   help,    launcher,    undo,     clock};
}

QString copyExample(const QString& name) {
    QFile::remove(name);
    if (!QFile::copy(FINPLAN_EXAMPLE, name)) qFatal("cannot copy the example scenario");
    QFile(name).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return name;
}

void whenDialogShows(MainWindow& w, std::function<void(FormDialog&)> act) {
    auto* poll = new QTimer(&w);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, &w, [poll, &w, act] {
        FormDialog* d = w.openDialog();
        if (!d || !d->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*d);
        if (w.openDialog() == d && d->isVisible()) d->reject();
    });
    poll->start();
}

void acceptEveryDialog(MainWindow& w) {
    auto* poll = new QTimer(&w);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, &w, [&w] {
        if (FormDialog* d = w.openDialog(); d && d->isVisible()) d->pressDefault();
    });
    poll->start();
}

std::string shownTexts(const RecordingMessages& m) {
    std::string out;
    for (const auto& t : m.texts())
        out += "[" + t + "] ";
    return out;
}

} // namespace finplan
