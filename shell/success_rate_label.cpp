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
    : QLabel(theBar), live(theLive), optionsFile(std::move(theOptionsFile)), bar(theBar) {
    setObjectName("successRate");
    setToolTip("Random trials of the plan as it is now: click to see them in the Analysis "
               "folder; right-click the status theBar to turn this off or set the warning level.");
    setCursor(Qt::PointingHandCursor);
    theBar->addPermanentWidget(this);
    theBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(theBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { contextMenu(at); });
    // Queued: a finished run is taken in on the view's thread, right away.
    live.runEnded = [this] {
        QMetaObject::invokeMethod(
            this, [this] { tick(); }, Qt::QueuedConnection);
    };
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { tick(); });
    timer->start(kPollMilliseconds);
}

void SuccessRateLabel::tick() {
    const bool open = QApplication::activeModalWidget() != nullptr ||
                      QApplication::activePopupWidget() != nullptr || (dialogOpen && dialogOpen());
    if (live.poll(open)) showFigure();
}

void SuccessRateLabel::followChange() {
    // Queued, so the run copies the plan once the command that changed it is done.
    QMetaObject::invokeMethod(
        this, [this] { tick(); }, Qt::QueuedConnection);
}

void SuccessRateLabel::showFigure() {
    setText(QString::fromStdString(live.text()));
    setStyleSheet(live.belowThreshold() ? "color: #c00000; font-weight: bold;" : "");
}

void SuccessRateLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && live.results() != nullptr && onOpen) {
        onOpen();
        return;
    }
    QLabel::mousePressEvent(e);
}

void SuccessRateLabel::contextMenu(const QPoint& at) {
    QMenu menu(bar);
    QAction* shown = menu.addAction("Show Success Rate");
    shown->setCheckable(true);
    shown->setChecked(live.options.liveSuccessRate);
    QAction* level = menu.addAction("Success Rate Warning Level...");
    QAction* chosen = menu.exec(bar->mapToGlobal(at));
    if (chosen == shown) {
        live.options.liveSuccessRate = !live.options.liveSuccessRate;
    } else if (chosen == level) {
        bool ok = false;
        const int v = QInputDialog::getInt(bar, "Success Rate Warning Level",
                                           "Show the success rate in red below (%):",
                                           live.options.successThreshold, 0, 100, 1, &ok);
        if (!ok) return;
        live.options.successThreshold = v;
    } else {
        return;
    }
    saveOptions();
    showFigure();
}

void SuccessRateLabel::saveOptions() {
    if (optionsFile.empty()) return;
    const std::string problem = writeUserOptions(optionsFile, live.options);
    if (!problem.empty()) bar->showMessage(QString::fromStdString(problem), 10000);
}

} // namespace finplan
