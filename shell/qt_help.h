// Help port: a help window that shows the planner's own help file, an HTML document
// whose topics are anchors named "ctx<number>" ("contents" and "helponhelp" for the
// two fixed topics).
#pragma once

#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/help.h"

class QTextBrowser;
class QWidget;

namespace finplan {

class QtHelp : public Help {
  public:
    // fallbackFile is read when helpFile is missing (the copy beside the program).
    explicit QtHelp(std::string helpFile, std::string fallbackFile = {}, QWidget* parent = nullptr);
    ~QtHelp() override;
    void setParent(QWidget* p) { parent_ = p; }
    void showContents() override { showAnchor("contents"); }
    void showContext(int context) override;
    void showHelpOnHelp() override { showAnchor("helponhelp"); }

    // The anchor last shown (tests).
    const std::string& lastAnchor() const { return anchor_; }
    QDialog* window() const { return dialog_.data(); }

  private:
    void showAnchor(const std::string& name);
    void lendToModalDialog();
    std::string helpFile_;
    std::string fallbackFile_;
    QWidget* parent_;
    // The window belongs to its Qt parent (the main window) and goes with it; without
    // a parent it is ours to delete. QPointer notices either way.
    QPointer<QDialog> dialog_;
    QTextBrowser* browser_ = nullptr;
    std::string anchor_;
};

// Anchor name of a context number.
std::string helpAnchor(int context);

} // namespace finplan
