#include "shell/analysis_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/trials_report.h"
#include "shell/qt_surface.h"
#include "shell/viewer_support.h"

namespace finplan {

namespace {

// The fan chart drawn through the graphs' Surface, like every graph.
class FanChartView : public QWidget {
  public:
    FanChartView(const AnalysisPresenter& p, QWidget* parent) : QWidget(parent), presenter(p) {
        setObjectName("fanChart");
        setMinimumSize(300, 200);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QtSurface surface(painter);
        drawFanChart(surface, Rect{0, 0, width(), height()}, presenter.fanChart());
    }

  private:
    const AnalysisPresenter& presenter;
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

AnalysisPage::AnalysisPage(AnalysisPresenter& p, QWidget* parent) : QWidget(parent), presenter(p) {
    setObjectName("analysisPage");
    trials = new QLineEdit(text(p.trialsText), this);
    trials->setObjectName("trials");
    trials->setMaximumWidth(80);
    seed = new QLineEdit(text(p.seedText), this);
    seed->setObjectName("seed");
    seed->setMaximumWidth(110);
    mode = new QComboBox(this);
    mode->setObjectName("mode");
    mode->addItems({"Random account rates", "Random group rates"});
    mode->setCurrentIndex(p.mode == TrialRandomMode::Groups ? 1 : 0);
    runButton = new QPushButton("&Run", this);
    cancelButton = new QPushButton("&Cancel", this);
    exportButton = new QPushButton("&Export...", this);
    chartChoice = new QComboBox(this);
    chartChoice->setObjectName("chartChoice");
    chartChoice->addItems({"Net worth", "Total savings"});
    chartChoice->setCurrentIndex(p.chart == TrialChart::Savings ? 1 : 0);
    chartButton = new QPushButton("Save C&hart...", this);
    chartButton->setObjectName("saveChart");
    medianButton = new QPushButton("Open &Median Trial", this);
    medianButton->setObjectName("openMedian");
    worstButton = new QPushButton("Open &Worst-Decile Trial", this);
    worstButton->setObjectName("openWorst");
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
    chart = new FanChartView(presenter, this);

    auto* fields = new QHBoxLayout;
    auto* trialsLabel = new QLabel("&Trials:", this);
    trialsLabel->setBuddy(trials);
    auto* seedLabel = new QLabel("&Seed:", this);
    seedLabel->setBuddy(seed);
    for (QWidget* w : std::initializer_list<QWidget*>{trialsLabel, trials, seedLabel, seed, mode,
                                                      runButton, cancelButton})
        fields->addWidget(w);
    fields->addStretch(1);
    auto* actions = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{exportButton, chartChoice, chartButton,
                                                      medianButton, worstButton})
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
    layout->addLayout(actions);
    layout->addWidget(chart, 1);

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
    connect(medianButton, &QPushButton::clicked, this, [this] { openTrial(TrialPick::Median); });
    connect(worstButton, &QPushButton::clicked, this,
            [this] { openTrial(TrialPick::WorstDecile); });
    if (presenter.running()) timer->start(); // a run from an earlier visit goes on
    showState();
}

void AnalysisPage::start() {
    presenter.trialsText = trials->text().toStdString();
    presenter.seedText = seed->text().toStdString();
    presenter.mode =
        mode->currentIndex() == 1 ? TrialRandomMode::Groups : TrialRandomMode::Accounts;
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

void AnalysisPage::saveChart() {
    const auto path = presenter.chooseChartFile();
    if (!path) return;
    const FanChart fan = presenter.fanChart();
    const std::string problem =
        exportGraph([fan](Surface& s, const Rect& area) { drawFanChart(s, area, fan); },
                    QString::fromStdString(*path), chart->size(), chart->font());
    if (!problem.empty()) presenter.chartNotSaved(problem);
}

void AnalysisPage::showState() {
    const bool busy = presenter.running();
    runButton->setEnabled(!busy);
    cancelButton->setEnabled(busy);
    const TrialResults* r = presenter.results();
    exportButton->setEnabled(!busy && r != nullptr);
    chartButton->setEnabled(r != nullptr);
    medianButton->setEnabled(presenter.trialToOpen(TrialPick::Median).has_value());
    worstButton->setEnabled(presenter.trialToOpen(TrialPick::WorstDecile).has_value());
    progress->setRange(0, std::max(1, busy ? presenter.total() : 1));
    // Full once an analysis completed, empty before the first and after a Cancel.
    const bool complete = !busy && r != nullptr && !presenter.cancelledLast();
    progress->setValue(busy ? presenter.done() : (complete ? 1 : 0));
    status->setText(text(presenter.statusText()));
    if (r == nullptr) {
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
