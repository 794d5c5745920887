// The Qt face of a DialogPresenter: its fields (label, edit box, checkbox or combo
// box) in rows, boxes or sentences, a row of buttons. Texts go into the presenter before every
// click and come back out after it; the presenter decides when the dialog closes.
#pragma once

#include <QDialog>
#include <map>

#include "shell/logic/dialog_presenter.h"

class QAbstractButton;
class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace finplan {

class FormDialog : public QDialog {
    Q_OBJECT
  public:
    FormDialog(DialogPresenter& presenter, QWidget* parent = nullptr);
    // The widget of a field or button ("field101", "button1" as object names, or the
    // name the presenter gave it).
    QWidget* widgetOf(ControlId id) const;
    QAbstractButton* buttonOf(ControlId id) const;
    // Presses a presenter button as a click would (Enter, tests).
    void pressButton(ControlId id);
    // The dialog's OK (its default button), as Enter would.
    void pressDefault() { pressButton(presenter_.defaultButton()); }
    void reject() override; // Escape and the close button press the cancel button

  private:
    void buildSections();
    // The fields of section `section` into a layout of each kind.
    void fillGrid(QGridLayout* grid, int section);
    void fillForm(QWidget* box, int section);
    void fillSentences(QWidget* box, int section);
    QWidget* makeWidget(const FormField& f);
    QLineEdit* makeEdit(const FormField& f);
    QLineEdit* editOf(ControlId id) const; // the box a text field is typed into
    void buildButtons();
    // The room on the screen the dialog opens on.
    int screenWidth() const;
    void copyIn();  // widgets -> presenter
    void copyOut(); // presenter -> widgets
    void backToRefusedField();
    void finish(Press result);

    DialogPresenter& presenter_;
    std::map<ControlId, QWidget*> fieldWidgets_;
    std::map<ControlId, QAbstractButton*> buttonWidgets_;
    std::map<ControlId, QLineEdit*> textWidgets_; // edit boxes, the up-down field's too
    bool syncing_ = false;
};

} // namespace finplan
