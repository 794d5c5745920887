// The Results folder: column headings, the schedule list and its buttons over a
// ResultsPresenter.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/logic/results_presenter.h"

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace finplan {

class ResultsPage : public QWidget {
    Q_OBJECT
  public:
    ResultsPage(ResultsPresenter& presenter, QWidget* parent = nullptr);
    // Shows the presenter's lines and selection.
    void refresh();
    QListWidget* list() const { return listView_; }
    QLineEdit* ageBox() const { return ageEdit_; }
    QLabel* caption() const { return captionLabel_; }

    // Buttons that belong to the main window's commands (Print, Initial Values) and
    // the event editor asked for by a double-click.
    std::function<void(int command)> onCommand;
    std::function<void(int eventIndex)> onEditEvent;

  private:
    void act(const std::function<void()>& f);
    QPushButton* button(const char* text, std::function<void()> f);
    QLayout* runButtons();
    QLayout* navigationRow();
    void goTo();
    void doubleClicked(QListWidgetItem* item);
    ResultsPresenter& presenter_;
    QListWidget* listView_;
    QWidget* headings_;
    QLabel* captionLabel_;
    QCheckBox* details_;
    QCheckBox* accounts_;
    QLineEdit* ageEdit_;
    int shownRuns_ = -1;
};

} // namespace finplan
