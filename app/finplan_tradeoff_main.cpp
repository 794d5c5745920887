// finplan-tradeoff: the trade-off grapher. The Trade-Off Analysis "Graph" button starts
// it on "trade.tmp": the running amount of each named option period by period as one
// line each, with the end amounts and the differences beside the graph.
//
//   finplan-tradeoff [--grab OUT.png | --export OUT.png|.svg|.pdf] FILE
#include <QApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>
#include <clocale>

#include "calculators/trade_graph_reader.h"
#include "graphs/line_graph.h"
#include "shell/icons.h"
#include "shell/viewer_support.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {
namespace {

LineGraph tradeLines(const TradeGraph& trade, const QString& path) {
    LineGraph g;
    g.title = "TRADE-OFF ANALYSIS";
    g.names = trade.names;
    const int rows = trade.drawnRows();
    for (const std::vector<float>& amounts : trade.amounts)
        g.values.emplace_back(
            amounts.begin(),
            amounts.begin() +
                std::min<std::ptrdiff_t>(rows, static_cast<std::ptrdiff_t>(amounts.size())));
    for (int r = 0; r < rows; ++r)
        g.columnLabels.push_back(r);
    g.footers = {"Trade-Off Analysis: " + QFileInfo(path).fileName().toStdString(),
                 "Running amount of each option after each period",
                 format("End amounts after %d periods", trade.periods())};
    return g;
}

QLabel* amountLabel(float v, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(money13(v)), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (v < 0) label->setStyleSheet("color: red");
    return label;
}

QWidget* totalsPanel(const TradeGraph& trade, QWidget* parent) {
    const TradeGraphTotals totals = tradeGraphTotals(trade);
    auto* panel = new QWidget(parent);
    panel->setObjectName("totals");
    auto* column = new QVBoxLayout(panel);
    auto* ends = new QGroupBox(QString("End Amount after %1 periods").arg(trade.periods()), panel);
    auto* endForm = new QFormLayout(ends);
    for (std::size_t j = 0; j < totals.endAmounts.size(); ++j)
        endForm->addRow(QString::fromStdString(trade.names[j]),
                        amountLabel(totals.endAmounts[j], ends));
    column->addWidget(ends);
    if (!totals.differences.empty()) {
        auto* diffs = new QGroupBox("Differences", panel);
        auto* diffForm = new QFormLayout(diffs);
        for (const TradeDifference& d : totals.differences)
            diffForm->addRow(
                QString::fromStdString(trade.names[static_cast<std::size_t>(d.first)] + " / " +
                                       trade.names[static_cast<std::size_t>(d.second)]),
                amountLabel(d.amount, diffs));
        column->addWidget(diffs);
    }
    column->addStretch(1);
    return panel;
}

class TradeWindow : public QMainWindow {
  public:
    TradeWindow(const TradeGraph& trade, const QString& path) : graph(tradeLines(trade, path)) {
        setWindowTitle("Trade-Off Graph - " + QFileInfo(path).fileName());
        setWindowIcon(programIcon());
        auto* central = new QWidget(this);
        auto* row = new QHBoxLayout(central);
        canvas = new GraphCanvas(drawing(), central);
        row->addWidget(canvas, 1);
        row->addWidget(totalsPanel(trade, central));
        setCentralWidget(central);
        addViewerFileMenu(*this, *canvas, drawing());
        resize(950, 600);
    }
    GraphDrawing drawing() {
        return [this](Surface& s, const Rect& w) { drawLineGraph(s, w, graph, state); };
    }
    GraphCanvas& graphCanvas() { return *canvas; }

  private:
    LineGraph graph;
    GraphWindowState state;
    GraphCanvas* canvas = nullptr;
};

} // namespace
} // namespace finplan

int main(int argc, char** argv) {
    using namespace finplan;
    const auto app = makeViewerApplication(argc, argv);
    startViewerProgram("finplan-tradeoff", FINPLAN_VERSION);
    ViewerCommandLine cmd("Draws the trade-off analysis file (trade.tmp) of the Financial Planner.",
                          "FILE", "FILE");
    cmd.parser.process(*app);
    const QStringList files = cmd.parser.positionalArguments();
    if (files.size() != 1)
        return refuseFile("finplan-tradeoff draws one file: finplan-tradeoff FILE",
                          cmd.unattended());
    TradeGraph trade;
    const std::string problem = readTradeGraph(files[0].toStdString(), trade);
    if (!problem.empty()) return refuseFile(problem, cmd.unattended());
    TradeWindow window(trade, files[0]);
    return runViewer(window, cmd, window.graphCanvas(), window.drawing());
}
