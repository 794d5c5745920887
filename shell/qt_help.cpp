#include "shell/qt_help.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace finplan {

std::string helpAnchor(int context) {
    return "ctx" + std::to_string(context);
}

QtHelp::QtHelp(std::string theHelpFile, std::string theFallbackFile, QWidget* theParent)
    : helpFile_(std::move(theHelpFile)), fallbackFile_(std::move(theFallbackFile)),
      parent_(theParent) {}

QtHelp::~QtHelp() {
    if (dialog_ && !dialog_->parent()) delete dialog_.data();
}

void QtHelp::showContext(int context) {
    showAnchor(helpAnchor(context));
}

namespace {

// While a modal dialog is open every other window of the program is blocked, the help
// window too: it is lent to the dialog (a window of the dialog is not blocked by it)
// and given back to its owner when the dialog goes, still open.
class LentHelpWindow : public QObject {
  public:
    LentHelpWindow(QDialog* helpPort, QWidget* theOwner, QWidget* host)
        : QObject(helpPort), help(helpPort), owner(theOwner) {
        host->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            watched->removeEventFilter(this);
            const bool shown = help->isVisible();
            help->setParent(owner, help->windowFlags());
            if (shown) help->show();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QDialog* help;
    QPointer<QWidget> owner;
};

} // namespace

void QtHelp::lendToModalDialog() {
    QWidget* host = QApplication::activeModalWidget();
    if (!host || host == dialog_.data() || dialog_->parentWidget() == host) return;
    dialog_->setParent(host, dialog_->windowFlags());
    new LentHelpWindow(dialog_.data(), parent_, host);
}

void QtHelp::showAnchor(const std::string& name) {
    anchor_ = name;
    if (!dialog_) {
        dialog_ = new QDialog(parent_);
        dialog_->setWindowTitle("Financial Planner Help");
        dialog_->resize(560, 480);
        auto* layout = new QVBoxLayout(dialog_.data());
        browser_ = new QTextBrowser(dialog_.data());
        browser_->setOpenLinks(true);
        layout->addWidget(browser_);
    }
    // Read the file each time so an edited help file shows without a restart.
    QFile file(QString::fromStdString(helpFile_));
    if (!file.exists() && !fallbackFile_.empty())
        file.setFileName(QString::fromStdString(fallbackFile_));
    if (file.open(QIODevice::ReadOnly)) {
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        browser_->setPlainText(QString("The help file %1 could not be opened.")
                                   .arg(QString::fromStdString(helpFile_)));
    }
    browser_->scrollToAnchor(QString::fromStdString(name));
    lendToModalDialog();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

} // namespace finplan
