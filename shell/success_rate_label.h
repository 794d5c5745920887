// The success rate in the main window's status bar. The label only shows what the
// LiveSuccessRate worked out: a timer takes finished runs in (and tells it whether a
// dialog is open); red below the user's threshold; a click opens the Analysis folder
// with those trials; the status bar's context menu turns it off and sets the threshold,
// both kept in the per-user options file.
#pragma once

#include <QLabel>
#include <functional>
#include <string>

#include "shell/logic/live_success_rate.h"

class QStatusBar;
class QTimer;

namespace finplan {

class SuccessRateLabel : public QLabel {
    Q_OBJECT
  public:
    // optionsFile: where the options are kept ("" keeps them for this session only).
    SuccessRateLabel(LiveSuccessRate& live, std::string optionsFile, QStatusBar* bar);
    // A click on a figure: open the Analysis folder with it.
    std::function<void()> onOpen;
    // Tells whether a dialog is open (nothing runs then).
    std::function<bool()> dialogOpen;
    void showFigure();
    // The plan changed: poll as soon as the change is done, not at the next tick.
    void followChange();

  protected:
    void mousePressEvent(QMouseEvent* e) override;

  private:
    void tick();
    void contextMenu(const QPoint& at);
    void saveOptions();

    LiveSuccessRate& live_;
    std::string optionsFile_;
    QStatusBar* bar_;
    QTimer* timer_ = nullptr;
};

} // namespace finplan
