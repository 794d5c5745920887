// The Analysis folder: the trial count, seed and mode, Run and Cancel with a progress
// bar, the success rate in large type, the fan chart (every cycle's line in the
// historical-sequences mode), the failure ages and why plans fail (the failing start
// years, which open as a schedule), Markets... and Export. The page only copies texts in and out;
// the AnalysisPresenter runs the analysis on its worker thread, and a timer takes the result in.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/logic/analysis_presenter.h"
#include "shell/logic/markets_presenter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace finplan {

class AnalysisPage : public QWidget {
    Q_OBJECT
  public:
    AnalysisPage(AnalysisPresenter& presenter, QWidget* parent = nullptr);
    // Opens a sample trial as the Results folder's schedule.
    // The trial to show in the Results folder and the caption that says which it is.
    std::function<void(const TrialReplay&, const std::string& caption)> onOpenTrial;
    // Told whether a fan chart is on show (Print Current Graph prints it).
    std::function<void(bool)> onChartShown;
    // Opens the Markets dialog over the presenter; true after OK.
    std::function<bool(MarketsPresenter&)> onMarkets;

  private:
    void createFields();
    void createButtons();
    void createResultViews();
    void layOut();
    void connectControls();
    void start();
    void tick();
    void showState();
    void openTrial(TrialPick pick);
    void openCycle();
    void editMarkets();
    void saveChart();
    void drawChart(Surface& surface, const Rect& area) const;

    AnalysisPresenter& presenter_;
    QLineEdit* trials_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QComboBox* mode_ = nullptr;
    QComboBox* chartChoice_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* chartButton_ = nullptr;
    QPushButton* medianButton_ = nullptr;
    QPushButton* worstButton_ = nullptr;
    QPushButton* marketsButton_ = nullptr;
    QPushButton* cycleButton_ = nullptr;
    QCheckBox* todaysDollars_ = nullptr;
    QListWidget* failing_ = nullptr;
    const HistoryResults* listed_ = nullptr; // the result whose failing years are listed
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* successRate_ = nullptr;
    QLabel* details_ = nullptr;
    QWidget* chart_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace finplan
