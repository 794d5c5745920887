#include "shell/success_rate_label.h"

#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>

namespace finplan {

namespace {

// Often enough that a figure shows well within the time its trials take.
constexpr int kPollMilliseconds = 15;

} // namespace

SuccessRateLabel::SuccessRateLabel(LiveSuccessRate& theLive, std::string theOptionsFile,
                                   QStatusBar* theBar)
    : QLabel(theBar), live_(theLive), optionsFile_(std::move(theOptionsFile)), bar_(theBar) {
    setObjectName("successRate");
    setToolTip("Random trials of the plan as it is now: click to see them in the Analysis "
               "folder; right-click the status theBar to turn this off or set the warning level.");
    setCursor(Qt::PointingHandCursor);
    theBar->addPermanentWidget(this);
    theBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(theBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { contextMenu(at); });
    // Queued: a finished run is taken in on the view's thread, right away.
    live_.runEnded = [this] {
        QMetaObject::invokeMethod(
            this, [this] { tick(); }, Qt::QueuedConnection);
    };
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_->start(kPollMilliseconds);
}

void SuccessRateLabel::tick() {
    const bool open = QApplication::activeModalWidget() != nullptr ||
                      QApplication::activePopupWidget() != nullptr || (dialogOpen && dialogOpen());
    if (live_.poll(open)) showFigure();
}

void SuccessRateLabel::followChange() {
    // Queued, so the run copies the plan once the command that changed it is done.
    QMetaObject::invokeMethod(
        this, [this] { tick(); }, Qt::QueuedConnection);
}

void SuccessRateLabel::showFigure() {
    setText(QString::fromStdString(live_.text()));
    setStyleSheet(live_.belowThreshold() ? "color: #c00000; font-weight: bold;" : "");
}

void SuccessRateLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && live_.results() != nullptr && onOpen) {
        onOpen();
        return;
    }
    QLabel::mousePressEvent(e);
}

void SuccessRateLabel::contextMenu(const QPoint& at) {
    QMenu menu(bar_);
    QAction* shown = menu.addAction("Show Success Rate");
    shown->setCheckable(true);
    shown->setChecked(live_.options.liveSuccessRate);
    QAction* level = menu.addAction("Success Rate Warning Level...");
    QAction* chosen = menu.exec(bar_->mapToGlobal(at));
    if (chosen == shown) {
        live_.options.liveSuccessRate = !live_.options.liveSuccessRate;
    } else if (chosen == level) {
        bool ok = false;
        const int v = QInputDialog::getInt(bar_, "Success Rate Warning Level",
                                           "Show the success rate in red below (%):",
                                           live_.options.successThreshold, 0, 100, 1, &ok);
        if (!ok) return;
        live_.options.successThreshold = v;
    } else {
        return;
    }
    saveOptions();
    showFigure();
}

void SuccessRateLabel::saveOptions() {
    if (optionsFile_.empty()) return;
    const std::string problem = writeUserOptions(optionsFile_, live_.options);
    if (!problem.empty()) bar_->showMessage(QString::fromStdString(problem), 10000);
}

} // namespace finplan
