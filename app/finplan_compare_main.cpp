// finplan-compare: Compare Scenarios. The planner starts it on the plot file of the
// last run; the user adds ".kvp" copies saved by Save Graphs (up to four runs in all) and
// sees their net worth and total savings per age on one graph, and in a table with the
// differences from the first run.
//
//   finplan-compare [--grab OUT.png | --export OUT.png|.svg|.pdf] FILE [FILE...]
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <clocale>
#include <memory>
#include <vector>

#include "graphs/line_graph.h"
#include "graphs/scenario_comparison.h"
#include "shell/icons.h"
#include "shell/viewer_support.h"

namespace finplan {
namespace {

class CompareWindow : public QMainWindow {
  public:
    CompareWindow() {
        setWindowTitle("Compare Scenarios");
        setWindowIcon(programIcon());
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        auto* split = new QSplitter(Qt::Vertical, central);
        canvas = new GraphCanvas(drawing(), split);
        table = new QTableWidget(split);
        table->setObjectName("comparisonTable");
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        split->setStretchFactor(0, 3);
        split->setStretchFactor(1, 2);
        hint = new QLabel(central);
        addButton = new QPushButton("&Add Scenario...", central);
        connect(addButton, &QPushButton::clicked, this, [this] { chooseAndAdd(); });
        auto* row = new QHBoxLayout;
        row->addWidget(hint, 1);
        row->addWidget(addButton);
        layout->addLayout(row);
        layout->addWidget(split, 1);
        setCentralWidget(central);
        QMenu* file = addViewerFileMenu(*this, *canvas, drawing());
        QAction* add = new QAction("&Add Scenario...", file);
        connect(add, &QAction::triggered, this, [this] { chooseAndAdd(); });
        file->insertAction(file->actions().value(0), add);
        file->insertSeparator(file->actions().value(1));
        resize(1000, 750);
    }

    GraphDrawing drawing() {
        return [this](Surface& s, const Rect& w) { drawLineGraph(s, w, graph, state); };
    }
    GraphCanvas& graphCanvas() { return *canvas; }

    // Adds the run in the plot file at path; empty when added, else the message.
    std::string add(const QString& path) {
        if (plots.size() >= static_cast<std::size_t>(kMaxComparedScenarios))
            return "At most four scenarios can be compared at once.";
        auto plot = std::make_unique<PlotFileContents>();
        const std::string problem = readPlotFile(path.toStdString(), *plot);
        if (!problem.empty()) return problem;
        names.push_back(comparedRunName(path.toStdString(), *plot, names));
        plots.push_back(std::move(plot));
        refresh();
        return "";
    }

  private:
    void chooseAndAdd() {
        const QString path = QFileDialog::getOpenFileName(this, "Add a Scenario to Compare",
                                                          QString(), "Plot Files (*.kvp)");
        if (path.isEmpty()) return;
        const std::string problem = add(path);
        if (!problem.empty())
            QMessageBox::critical(this, "FILE ERROR", QString::fromStdString(problem));
    }

    void refresh() {
        std::vector<ComparedRun> runs;
        for (std::size_t i = 0; i < plots.size(); ++i)
            runs.push_back({names[i], plots[i].get()});
        const Comparison c = compareRuns(runs);
        graph = comparisonGraph(c);
        fillTable(comparisonTable(c));
        const bool room = plots.size() < static_cast<std::size_t>(kMaxComparedScenarios);
        addButton->setEnabled(room);
        hint->setText(plots.size() < 2 ? "Add a scenario saved with Save Graphs (.kvp) to "
                                         "compare it with this one."
                      : room           ? "Up to four scenarios can be compared."
                                       : "Four scenarios compared.");
        canvas->update();
    }

    void fillTable(const ComparisonTable& t) {
        table->clear();
        table->setColumnCount(static_cast<int>(t.headings.size()));
        table->setRowCount(static_cast<int>(t.rows.size()));
        QStringList headings;
        for (const auto& h : t.headings)
            headings << QString::fromStdString(h);
        table->setHorizontalHeaderLabels(headings);
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                const std::string& text =
                    t.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                auto* item = new QTableWidgetItem(QString::fromStdString(text));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (text.find('-') != std::string::npos) item->setForeground(Qt::red);
                table->setItem(r, c, item);
            }
        table->resizeColumnsToContents();
    }

    std::vector<std::unique_ptr<PlotFileContents>> plots;
    std::vector<std::string> names;
    LineGraph graph;
    GraphWindowState state;
    GraphCanvas* canvas = nullptr;
    QTableWidget* table = nullptr;
    QLabel* hint = nullptr;
    QPushButton* addButton = nullptr;
};

} // namespace
} // namespace finplan

int main(int argc, char** argv) {
    using namespace finplan;
    const auto app = makeViewerApplication(argc, argv);
    startViewerProgram("finplan-compare", FINPLAN_VERSION);
    ViewerCommandLine cmd("Compares the net worth and total savings of up to four plot files "
                          "of the Financial Planner.",
                          "FILE", "FILE [FILE...]");
    cmd.parser.process(*app);
    const QStringList files = cmd.parser.positionalArguments();
    if (files.isEmpty() || files.size() > kMaxComparedScenarios)
        return refuseFile("finplan-compare compares one to four plot files: "
                          "finplan-compare FILE [FILE...]",
                          cmd.unattended());
    CompareWindow window;
    for (const QString& file : files)
        if (const std::string problem = window.add(file); !problem.empty())
            return refuseFile(problem, cmd.unattended());
    return runViewer(window, cmd, window.graphCanvas(), window.drawing());
}
