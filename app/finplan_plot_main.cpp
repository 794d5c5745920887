// finplan-plot: the graph viewer. The planner's Create Graph Window starts it on the
// plot file of the last run; it opens any ".kvp" copy saved by Save Graphs as well, and
// draws every graph the planner's graph folders draw, with the same renderer.
//
//   finplan-plot [--graph N] [--from AGE] [--to AGE] [--no-legend] [--bars]
//                [--grab OUT.png | --export OUT.png|.svg|.pdf] FILE
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>
#include <clocale>
#include <vector>

#include "graphs/draw_graph.h"
#include "graphs/plot_file_reader.h"
#include "graphs/plot_zoom.h"
#include "shell/icons.h"
#include "shell/logic/folder_tabs.h"
#include "shell/viewer_support.h"

namespace finplan {
namespace {

// One graph the viewer offers: the planner's graph folders, from Net Worth on.
struct GraphChoice {
    QString label;
    int kind = GraphKind::NetWorth;
    int firstAccount = 0;
    int accountCount = 0;
};

std::vector<GraphChoice> graphChoices(int accountCount) {
    std::vector<GraphChoice> choices;
    const auto labels = folderTabLabels(accountCount, true);
    for (int t = tab::kNetWorth; t < static_cast<int>(labels.size()); ++t) {
        const AccountRange r = accountTabRange(t, accountCount);
        choices.push_back({QString::fromStdString(labels[static_cast<std::size_t>(t)]),
                           graphTab(t).kind, r.first, r.count});
    }
    return choices;
}

class PlotViewer : public QMainWindow {
  public:
    PlotViewer(const PlotFileContents& thePlot, const QString& path)
        : plot(thePlot), choices(graphChoices(thePlot.accountCount())) {
        setWindowTitle("Graph Viewer - " + QFileInfo(path).fileName());
        setWindowIcon(programIcon());
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        tabs = new QTabBar(central);
        tabs->setObjectName("graphTabs");
        for (const GraphChoice& c : choices)
            tabs->addTab(c.label);
        layout->addWidget(tabs);
        layout->addLayout(controlRow(central));
        canvas = new GraphCanvas([this](Surface& s, const Rect& w) { draw(s, w); }, central);
        layout->addWidget(canvas, 1);
        setCentralWidget(central);
        addViewerFileMenu(*this, *canvas, drawing());
        connect(tabs, &QTabBar::currentChanged, canvas, qOverload<>(&QWidget::update));
        resize(900, 650);
    }

    GraphDrawing drawing() {
        return [this](Surface& s, const Rect& w) { draw(s, w); };
    }
    GraphCanvas& graphCanvas() { return *canvas; }
    void choose(int graph) { tabs->setCurrentIndex(graph); }
    void setAges(int from, int to) {
        fromAge->setValue(from);
        toAge->setValue(to);
    }
    void setLegend(bool on) { legend->setChecked(on); }
    void setBars(bool on) { bars->setChecked(on); }

  private:
    QHBoxLayout* controlRow(QWidget* parent) {
        const AgeSpan span = ageSpan(*plot.series);
        auto* row = new QHBoxLayout;
        auto spin = [&](const char* name, int value) {
            auto* box = new QSpinBox(parent);
            box->setObjectName(name);
            box->setRange(span.from, span.to);
            box->setValue(value);
            connect(box, &QSpinBox::valueChanged, this, [this] { canvas->update(); });
            return box;
        };
        auto* fromLabel = new QLabel("&Ages from", parent);
        fromAge = spin("fromAge", span.from);
        fromLabel->setBuddy(fromAge);
        row->addWidget(fromLabel);
        row->addWidget(fromAge);
        row->addWidget(new QLabel("to", parent));
        toAge = spin("toAge", span.to);
        row->addWidget(toAge);
        legend = new QCheckBox("Show &legend", parent);
        legend->setChecked(true);
        bars = new QCheckBox("&Bars", parent);
        for (QCheckBox* box : {legend, bars}) {
            connect(box, &QCheckBox::toggled, this, [this] { canvas->update(); });
            row->addWidget(box);
        }
        row->addStretch(1);
        return row;
    }

    void draw(Surface& surface, const Rect& window) {
        const int index = tabs->currentIndex();
        if (index < 0 || index >= static_cast<int>(choices.size())) return;
        const GraphChoice& c = choices[static_cast<std::size_t>(index)];
        const auto rows = zoomedSeries(*plot.series, {fromAge->value(), toAge->value()}, c.kind);
        if (rows->plotRowCount < 0) return;
        state.options.legendHidden = !legend->isChecked();
        state.options.lineStyle = bars->isChecked() ? 0 : 1;
        drawGraph(surface, window, c.kind, c.firstAccount, c.firstAccount + c.accountCount,
                  rows->plotRowCount, state, GraphSource{*rows, *plot.scenario});
    }

    const PlotFileContents& plot;
    std::vector<GraphChoice> choices;
    GraphWindowState state;
    QTabBar* tabs = nullptr;
    QSpinBox* fromAge = nullptr;
    QSpinBox* toAge = nullptr;
    QCheckBox* legend = nullptr;
    QCheckBox* bars = nullptr;
    GraphCanvas* canvas = nullptr;
};

} // namespace
} // namespace finplan

int main(int argc, char** argv) {
    using namespace finplan;
    const auto app = makeViewerApplication(argc, argv);
    startViewerProgram("finplan-plot", FINPLAN_VERSION);
    ViewerCommandLine cmd("Shows the graphs of a plot file of the Financial Planner.", "FILE",
                          "FILE");
    const QCommandLineOption graph("graph", "Show graph N (0: Net Worth) first.", "N", "0");
    const QCommandLineOption from("from", "First age shown.", "AGE");
    const QCommandLineOption to("to", "Last age shown.", "AGE");
    const QCommandLineOption noLegend("no-legend", "Hide the legend.");
    const QCommandLineOption bars("bars", "Draw bars instead of lines.");
    cmd.parser.addOptions({graph, from, to, noLegend, bars});
    cmd.parser.process(*app);
    const QStringList files = cmd.parser.positionalArguments();
    if (files.size() != 1)
        return refuseFile("finplan-plot shows one plot file: finplan-plot FILE", cmd.unattended());

    PlotFileContents plot;
    const std::string problem = readPlotFile(files[0].toStdString(), plot);
    if (!problem.empty()) return refuseFile(problem, cmd.unattended());
    PlotViewer window(plot, files[0]);
    window.choose(cmd.parser.value(graph).toInt());
    const AgeSpan span = ageSpan(*plot.series);
    window.setAges(cmd.parser.isSet(from) ? cmd.parser.value(from).toInt() : span.from,
                   cmd.parser.isSet(to) ? cmd.parser.value(to).toInt() : span.to);
    window.setLegend(!cmd.parser.isSet(noLegend));
    window.setBars(cmd.parser.isSet(bars));
    return runViewer(window, cmd, window.graphCanvas(), window.drawing());
}
