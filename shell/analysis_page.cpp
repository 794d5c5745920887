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

AnalysisPage::AnalysisPage(AnalysisPresenter& p, QWidget* parent) : QWidget(parent), presenter_(p) {
    setObjectName("analysisPage");
    createFields();
    createButtons();
    createResultViews();
    layOut();
    connectControls();
    if (presenter_.running()) timer_->start(); // a run from an earlier visit goes on
    showState();
}

// The trial count, the seed and the analysis mode, as the scenario's side file has them.
void AnalysisPage::createFields() {
    trials_ = new QLineEdit(text(presenter_.trialsText), this);
    trials_->setObjectName("trials");
    trials_->setMaximumWidth(80);
    seed_ = new QLineEdit(text(presenter_.seedText), this);
    seed_->setObjectName("seed");
    seed_->setMaximumWidth(110);
    mode_ = new QComboBox(this);
    mode_->setObjectName("mode");
    presenter_.followScenario();
    trials_->setText(text(presenter_.trialsText));
    seed_->setText(text(presenter_.seedText));
    for (const char* name : kAnalysisModeNames)
        mode_->addItem(name);
    mode_->setCurrentIndex(static_cast<int>(presenter_.mode));
}

void AnalysisPage::createButtons() {
    marketsButton_ = new QPushButton("Mar&kets...", this);
    marketsButton_->setObjectName("markets");
    runButton_ = new QPushButton("&Run", this);
    cancelButton_ = new QPushButton("&Cancel", this);
    exportButton_ = new QPushButton("&Export...", this);
    chartChoice_ = new QComboBox(this);
    chartChoice_->setObjectName("chartChoice");
    chartChoice_->addItems({"Net worth", "Total savings"});
    chartChoice_->setCurrentIndex(presenter_.chart == TrialChart::Savings ? 1 : 0);
    chartButton_ = new QPushButton("Save C&hart...", this);
    chartButton_->setObjectName("saveChart");
    medianButton_ = new QPushButton("Open &Median Trial", this);
    medianButton_->setObjectName("openMedian");
    worstButton_ = new QPushButton("Open &Worst-Decile Trial", this);
    worstButton_->setObjectName("openWorst");
    cycleButton_ = new QPushButton("&Open Cycle", this);
    cycleButton_->setObjectName("openCycle");
    todaysDollars_ = new QCheckBox("Today's &dollars", this);
    todaysDollars_->setObjectName("todaysDollars");
    todaysDollars_->setChecked(presenter_.todaysDollars);
}

// The progress, the success rate, the failing years and the chart.
void AnalysisPage::createResultViews() {
    failing_ = new QListWidget(this);
    failing_->setObjectName("failingYears");
    failing_->setMaximumHeight(120);
    progress_ = new QProgressBar(this);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    successRate_ = new QLabel(this);
    successRate_->setObjectName("successRate");
    QFont big = successRate_->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    successRate_->setFont(big);
    details_ = new QLabel(this);
    details_->setObjectName("details");
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chart_ = new ChartView([this](Surface& s, const Rect& area) { drawChart(s, area); }, this);
}

// Fields and Run on top, then progress, the result, the failing years, the actions and
// the chart below.
void AnalysisPage::layOut() {
    auto* fields = new QHBoxLayout;
    auto* trialsLabel = new QLabel("&Trials:", this);
    trialsLabel->setBuddy(trials_);
    auto* seedLabel = new QLabel("&Seed:", this);
    seedLabel->setBuddy(seed_);
    for (QWidget* w : std::initializer_list<QWidget*>{trialsLabel, trials_, seedLabel, seed_, mode_,
                                                      marketsButton_, runButton_, cancelButton_})
        fields->addWidget(w);
    fields->addStretch(1);
    auto* actions = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{exportButton_, chartChoice_, todaysDollars_, chartButton_,
                                         medianButton_, worstButton_, cycleButton_})
        actions->addWidget(w);
    actions->addStretch(1);
    auto* summary = new QHBoxLayout;
    summary->addWidget(successRate_);
    summary->addWidget(details_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    auto* bar = new QHBoxLayout;
    bar->addWidget(progress_, 1);
    bar->addWidget(status_, 2);
    layout->addLayout(bar);
    layout->addLayout(summary);
    layout->addWidget(failing_);
    layout->addLayout(actions);
    layout->addWidget(chart_, 1);
}

void AnalysisPage::connectControls() {
    timer_ = new QTimer(this);
    timer_->setInterval(30);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
    connect(runButton_, &QPushButton::clicked, this, [this] { start(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { presenter_.cancel(); });
    connect(exportButton_, &QPushButton::clicked, this, [this] { presenter_.exportResults(); });
    connect(chartButton_, &QPushButton::clicked, this, [this] { saveChart(); });
    connect(chartChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        presenter_.chart = index == 1 ? TrialChart::Savings : TrialChart::NetWorth;
        chart_->update();
    });
    connect(todaysDollars_, &QCheckBox::toggled, this, [this](bool on) {
        presenter_.todaysDollars = on;
        chart_->update();
    });
    connect(mode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        presenter_.mode = static_cast<AnalysisMode>(index);
        showState();
    });
    connect(marketsButton_, &QPushButton::clicked, this, [this] { editMarkets(); });
    connect(cycleButton_, &QPushButton::clicked, this, [this] { openCycle(); });
    connect(failing_, &QListWidget::itemDoubleClicked, this, [this] { openCycle(); });
    connect(medianButton_, &QPushButton::clicked, this, [this] { openTrial(TrialPick::Median); });
    connect(worstButton_, &QPushButton::clicked, this,
            [this] { openTrial(TrialPick::WorstDecile); });
}

void AnalysisPage::start() {
    presenter_.trialsText = trials_->text().toStdString();
    presenter_.seedText = seed_->text().toStdString();
    presenter_.mode = static_cast<AnalysisMode>(mode_->currentIndex());
    if (presenter_.run()) timer_->start();
    showState();
}

void AnalysisPage::tick() {
    if (presenter_.poll()) timer_->stop();
    showState();
}

void AnalysisPage::openTrial(TrialPick pick) {
    if (const auto trial = presenter_.trialToOpen(pick); trial && onOpenTrial)
        onOpenTrial(*trial, presenter_.trialCaption(pick));
}

void AnalysisPage::openCycle() {
    const int row = failing_->currentRow();
    const std::vector<int> years = presenter_.failingYears();
    if (row < 0 || row >= static_cast<int>(years.size())) return;
    if (const auto cycle = presenter_.cycleToOpen(years[row]); cycle && onOpenTrial)
        onOpenTrial(*cycle, "Historical cycle starting " + std::to_string(years[row]));
}

void AnalysisPage::editMarkets() {
    presenter_.followScenario();
    MarketsPresenter dialog(presenter_.scenario(), presenter_.markets, presenter_.messages());
    if (onMarkets && onMarkets(dialog)) presenter_.saveMarkets();
}

void AnalysisPage::drawChart(Surface& s, const Rect& area) const {
    if (presenter_.historyResults() != nullptr)
        drawCycleChart(s, area, presenter_.cycleChart());
    else
        drawFanChart(s, area, presenter_.fanChart());
}

void AnalysisPage::saveChart() {
    const auto path = presenter_.chooseChartFile();
    if (!path) return;
    const std::string problem =
        exportGraph([this](Surface& s, const Rect& area) { drawChart(s, area); },
                    QString::fromStdString(*path), chart_->size(), chart_->font());
    if (!problem.empty()) presenter_.chartNotSaved(problem);
}

void AnalysisPage::showState() {
    const bool busy = presenter_.running();
    runButton_->setEnabled(!busy);
    cancelButton_->setEnabled(busy);
    const TrialResults* r = presenter_.results();
    const HistoryResults* h = presenter_.historyResults();
    exportButton_->setEnabled(!busy && (r != nullptr || h != nullptr));
    chartButton_->setEnabled(r != nullptr || h != nullptr);
    const bool cycles = presenter_.mode == AnalysisMode::HistoricalSequences;
    trials_->setEnabled(!cycles);
    seed_->setEnabled(!cycles);
    marketsButton_->setEnabled(!busy);
    failing_->setVisible(h != nullptr);
    cycleButton_->setVisible(h != nullptr);
    cycleButton_->setEnabled(h != nullptr && !presenter_.failingYears().empty() &&
                             presenter_.cycleToOpen(presenter_.failingYears().front()).has_value());
    medianButton_->setEnabled(presenter_.trialToOpen(TrialPick::Median).has_value());
    worstButton_->setEnabled(presenter_.trialToOpen(TrialPick::WorstDecile).has_value());
    progress_->setRange(0, std::max(1, busy ? presenter_.total() : 1));
    // Full once an analysis completed, empty before the first and after a Cancel.
    const bool complete = !busy && (r != nullptr || h != nullptr) && !presenter_.cancelledLast();
    progress_->setValue(busy ? presenter_.done() : (complete ? 1 : 0));
    status_->setText(text(presenter_.statusText()));
    if (h != nullptr) {
        successRate_->setText(text(format("%.1f%% succeed", 100.0 * h->successRate())));
        details_->setText(text(historySuccessText(*h)) +
                          (h->failed > 0 ? "\nFailing start years (double-click one to open it):"
                                         : "\nNo start year ran out of savings."));
        if (listed_ != h) {
            listed_ = h;
            failing_->clear();
            for (const std::string& line : failingYearLines(*h))
                failing_->addItem(text(line));
            if (failing_->count() > 0) failing_->setCurrentRow(0);
        }
    } else if (r == nullptr) {
        successRate_->setText("");
        details_->setText("");
    } else {
        successRate_->setText(text(successRateText(*r)) + " succeed");
        QString lines = text(failureAgesText(*r));
        if (!r->causes.empty()) lines += "\nWhy plans fail:";
        for (const std::string& line : whyLines(*r))
            lines += "\n" + text(line);
        details_->setText(lines);
    }
    chart_->update();
    if (onChartShown) onChartShown(r != nullptr);
}

} // namespace finplan
