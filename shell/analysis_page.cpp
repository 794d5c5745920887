#include "shell/analysis_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/history_report.h"
#include "analysis/trials_report.h"
#include "shell/qt_surface.h"
#include "shell/viewer_support.h"
#include "text/format.h"

namespace finplan {

namespace {

// The chart drawn through the graphs' Surface, like every graph.
class ChartView : public QWidget {
  public:
    ChartView(std::function<void(Surface&, const Rect&)> theDraw, QWidget* parent)
        : QWidget(parent), draw(std::move(theDraw)) {
        setObjectName("fanChart");
        setMinimumSize(300, 200);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QtSurface surface(painter);
        draw(surface, Rect{0, 0, width(), height()});
    }

  private:
    std::function<void(Surface&, const Rect&)> draw;
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

AnalysisPage::AnalysisPage(AnalysisPresenter& p, QWidget* parent) : QWidget(parent), presenter(p) {
    setObjectName("analysisPage");
    createFields();
    createButtons();
    createResultViews();
    layOut();
    connectControls();
    if (presenter.running()) timer->start(); // a run from an earlier visit goes on
    showState();
}

// The trial count, the seed and the analysis mode, as the scenario's side file has them.
void AnalysisPage::createFields() {
    trials = new QLineEdit(text(presenter.trialsText), this);
    trials->setObjectName("trials");
    trials->setMaximumWidth(80);
    seed = new QLineEdit(text(presenter.seedText), this);
    seed->setObjectName("seed");
    seed->setMaximumWidth(110);
    mode = new QComboBox(this);
    mode->setObjectName("mode");
    presenter.followScenario();
    trials->setText(text(presenter.trialsText));
    seed->setText(text(presenter.seedText));
    for (const char* name : kAnalysisModeNames)
        mode->addItem(name);
    mode->setCurrentIndex(static_cast<int>(presenter.mode));
}

void AnalysisPage::createButtons() {
    marketsButton = new QPushButton("Mar&kets...", this);
    marketsButton->setObjectName("markets");
    runButton = new QPushButton("&Run", this);
    cancelButton = new QPushButton("&Cancel", this);
    exportButton = new QPushButton("&Export...", this);
    chartChoice = new QComboBox(this);
    chartChoice->setObjectName("chartChoice");
    chartChoice->addItems({"Net worth", "Total savings"});
    chartChoice->setCurrentIndex(presenter.chart == TrialChart::Savings ? 1 : 0);
    chartButton = new QPushButton("Save C&hart...", this);
    chartButton->setObjectName("saveChart");
    medianButton = new QPushButton("Open &Median Trial", this);
    medianButton->setObjectName("openMedian");
    worstButton = new QPushButton("Open &Worst-Decile Trial", this);
    worstButton->setObjectName("openWorst");
    cycleButton = new QPushButton("&Open Cycle", this);
    cycleButton->setObjectName("openCycle");
    todaysDollars = new QCheckBox("Today's &dollars", this);
    todaysDollars->setObjectName("todaysDollars");
    todaysDollars->setChecked(presenter.todaysDollars);
}

// The progress, the success rate, the failing years and the chart.
void AnalysisPage::createResultViews() {
    failing = new QListWidget(this);
    failing->setObjectName("failingYears");
    failing->setMaximumHeight(120);
    progress = new QProgressBar(this);
    status = new QLabel(this);
    status->setObjectName("status");
    successRate = new QLabel(this);
    successRate->setObjectName("successRate");
    QFont big = successRate->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    successRate->setFont(big);
    details = new QLabel(this);
    details->setObjectName("details");
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chart = new ChartView([this](Surface& s, const Rect& area) { drawChart(s, area); }, this);
}

// Fields and Run on top, then progress, the result, the failing years, the actions and
// the chart below.
void AnalysisPage::layOut() {
    auto* fields = new QHBoxLayout;
    auto* trialsLabel = new QLabel("&Trials:", this);
    trialsLabel->setBuddy(trials);
    auto* seedLabel = new QLabel("&Seed:", this);
    seedLabel->setBuddy(seed);
    for (QWidget* w : std::initializer_list<QWidget*>{trialsLabel, trials, seedLabel, seed, mode,
                                                      marketsButton, runButton, cancelButton})
        fields->addWidget(w);
    fields->addStretch(1);
    auto* actions = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{exportButton, chartChoice, todaysDollars, chartButton,
                                         medianButton, worstButton, cycleButton})
        actions->addWidget(w);
    actions->addStretch(1);
    auto* summary = new QHBoxLayout;
    summary->addWidget(successRate);
    summary->addWidget(details, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    auto* bar = new QHBoxLayout;
    bar->addWidget(progress, 1);
    bar->addWidget(status, 2);
    layout->addLayout(bar);
    layout->addLayout(summary);
    layout->addWidget(failing);
    layout->addLayout(actions);
    layout->addWidget(chart, 1);
}

void AnalysisPage::connectControls() {
    timer = new QTimer(this);
    timer->setInterval(30);
    connect(timer, &QTimer::timeout, this, [this] { tick(); });
    connect(runButton, &QPushButton::clicked, this, [this] { start(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { presenter.cancel(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { presenter.exportResults(); });
    connect(chartButton, &QPushButton::clicked, this, [this] { saveChart(); });
    connect(chartChoice, &QComboBox::currentIndexChanged, this, [this](int index) {
        presenter.chart = index == 1 ? TrialChart::Savings : TrialChart::NetWorth;
        chart->update();
    });
    connect(todaysDollars, &QCheckBox::toggled, this, [this](bool on) {
        presenter.todaysDollars = on;
        chart->update();
    });
    connect(mode, &QComboBox::currentIndexChanged, this, [this](int index) {
        presenter.mode = static_cast<AnalysisMode>(index);
        showState();
    });
    connect(marketsButton, &QPushButton::clicked, this, [this] { editMarkets(); });
    connect(cycleButton, &QPushButton::clicked, this, [this] { openCycle(); });
    connect(failing, &QListWidget::itemDoubleClicked, this, [this] { openCycle(); });
    connect(medianButton, &QPushButton::clicked, this, [this] { openTrial(TrialPick::Median); });
    connect(worstButton, &QPushButton::clicked, this,
            [this] { openTrial(TrialPick::WorstDecile); });
}

void AnalysisPage::start() {
    presenter.trialsText = trials->text().toStdString();
    presenter.seedText = seed->text().toStdString();
    presenter.mode = static_cast<AnalysisMode>(mode->currentIndex());
    if (presenter.run()) timer->start();
    showState();
}

void AnalysisPage::tick() {
    if (presenter.poll()) timer->stop();
    showState();
}

void AnalysisPage::openTrial(TrialPick pick) {
    if (const auto trial = presenter.trialToOpen(pick); trial && onOpenTrial)
        onOpenTrial(*trial, presenter.trialCaption(pick));
}

void AnalysisPage::openCycle() {
    const int row = failing->currentRow();
    const std::vector<int> years = presenter.failingYears();
    if (row < 0 || row >= static_cast<int>(years.size())) return;
    if (const auto cycle = presenter.cycleToOpen(years[row]); cycle && onOpenTrial)
        onOpenTrial(*cycle, "Historical cycle starting " + std::to_string(years[row]));
}

void AnalysisPage::editMarkets() {
    presenter.followScenario();
    MarketsPresenter dialog(presenter.scenario(), presenter.markets, presenter.messages());
    if (onMarkets && onMarkets(dialog)) presenter.saveMarkets();
}

void AnalysisPage::drawChart(Surface& s, const Rect& area) const {
    if (presenter.historyResults() != nullptr)
        drawCycleChart(s, area, presenter.cycleChart());
    else
        drawFanChart(s, area, presenter.fanChart());
}

void AnalysisPage::saveChart() {
    const auto path = presenter.chooseChartFile();
    if (!path) return;
    const std::string problem =
        exportGraph([this](Surface& s, const Rect& area) { drawChart(s, area); },
                    QString::fromStdString(*path), chart->size(), chart->font());
    if (!problem.empty()) presenter.chartNotSaved(problem);
}

void AnalysisPage::showState() {
    const bool busy = presenter.running();
    runButton->setEnabled(!busy);
    cancelButton->setEnabled(busy);
    const TrialResults* r = presenter.results();
    const HistoryResults* h = presenter.historyResults();
    exportButton->setEnabled(!busy && (r != nullptr || h != nullptr));
    chartButton->setEnabled(r != nullptr || h != nullptr);
    const bool cycles = presenter.mode == AnalysisMode::HistoricalSequences;
    trials->setEnabled(!cycles);
    seed->setEnabled(!cycles);
    marketsButton->setEnabled(!busy);
    failing->setVisible(h != nullptr);
    cycleButton->setVisible(h != nullptr);
    cycleButton->setEnabled(h != nullptr && !presenter.failingYears().empty() &&
                            presenter.cycleToOpen(presenter.failingYears().front()).has_value());
    medianButton->setEnabled(presenter.trialToOpen(TrialPick::Median).has_value());
    worstButton->setEnabled(presenter.trialToOpen(TrialPick::WorstDecile).has_value());
    progress->setRange(0, std::max(1, busy ? presenter.total() : 1));
    // Full once an analysis completed, empty before the first and after a Cancel.
    const bool complete = !busy && (r != nullptr || h != nullptr) && !presenter.cancelledLast();
    progress->setValue(busy ? presenter.done() : (complete ? 1 : 0));
    status->setText(text(presenter.statusText()));
    if (h != nullptr) {
        successRate->setText(text(format("%.1f%% succeed", 100.0 * h->successRate())));
        details->setText(text(historySuccessText(*h)) +
                         (h->failed > 0 ? "\nFailing start years (double-click one to open it):"
                                        : "\nNo start year ran out of savings."));
        if (listed != h) {
            listed = h;
            failing->clear();
            for (const std::string& line : failingYearLines(*h))
                failing->addItem(text(line));
            if (failing->count() > 0) failing->setCurrentRow(0);
        }
    } else if (r == nullptr) {
        successRate->setText("");
        details->setText("");
    } else {
        successRate->setText(text(successRateText(*r)) + " succeed");
        QString lines = text(failureAgesText(*r));
        if (!r->causes.empty()) lines += "\nWhy plans fail:";
        for (const std::string& line : whyLines(*r))
            lines += "\n" + text(line);
        details->setText(lines);
    }
    chart->update();
    if (onChartShown) onChartShown(r != nullptr);
}

} // namespace finplan
