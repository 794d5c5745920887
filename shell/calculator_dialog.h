// What every calculator dialog shares: fields bound to the texts its presenter holds,
// buttons that read the typed texts, run the presenter and show its texts again, the
// Help button, the group boxes and sentence rows of the layouts, and the mark in the
// table of open tool windows while the dialog is up.
#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "shell/logic/calculator_tools.h"
#include "shell/logic/main_presenter.h"

class QBoxLayout;
class QCheckBox;
class QFormLayout;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace finplan {

// Shows `dialog` modally (through `runner` when given, as tests do), marked open in
// `tools` under `name` (raised when a command brings the tool windows to the front);
// the mark goes when it closes. The dialog's result.
int execAsTool(QDialog& dialog, ToolWindows& tools, const std::string& name,
               const std::function<int(QDialog&)>& runner = {});

class CalculatorDialog : public QDialog {
    Q_OBJECT
  public:
    CalculatorDialog(CalculatorTool tool, PlannerParts& parts, QWidget* parent);

    CalculatorTool tool() const { return which; }
    // Shows the presenter's texts in the fields; reads what was typed back.
    void showTexts();
    void readTexts();

    // One piece of a sentence row: a text or a field.
    struct Piece {
        Piece(const char* theText) : text(theText) {}
        Piece(QWidget* theWidget) : widget(theWidget) {}
        const char* text = nullptr;
        QWidget* widget = nullptr;
    };

  protected:
    // A field showing `text`; read-only fields show results.
    QLineEdit* field(std::string& text, const char* name, bool readOnly = false);
    // Binds an edit made elsewhere (the trade-off's up-down field) the same way.
    void bind(QLineEdit* edit, std::string& text);
    // A check box bound to `value`; onClick runs as a button's action does.
    QCheckBox* checkBox(bool& value, const char* label, const char* name,
                        std::function<void()> onClick = {});
    // A button at the bottom: the typed texts are read, `action` runs, the presenter's
    // texts are shown again.
    QPushButton* button(const char* label, const char* name, std::function<void()> action);
    QPushButton* helpButton(int context);
    // Runs `action` as a button does (for controls other than buttons).
    void act(const std::function<void()>& action);

    // Layout pieces. A null `into` puts the box in the dialog's body, one under another.
    QHBoxLayout* columns();
    QFormLayout* form(const char* title, QBoxLayout* into = nullptr);
    QVBoxLayout* lines(const char* title, QBoxLayout* into = nullptr);
    QGridLayout* grid(const char* title, QBoxLayout* into = nullptr);
    // "label [field]" in a form.
    QLineEdit* row(QFormLayout* form, const char* label, std::string& text, const char* name,
                   bool readOnly = false);
    // "label [field] %" in a form, for a rate in percent.
    QLineEdit* percentRow(QFormLayout* form, const char* label, std::string& text,
                          const char* name);
    // A line of texts and fields, read left to right.
    void sentence(QVBoxLayout* lines, std::initializer_list<Piece> pieces);
    // A heading line above the boxes.
    void heading(const char* text);

    PlannerParts& parts;

    void showEvent(QShowEvent* event) override;

  private:
    QWidget* box(const char* title, QBoxLayout* into);

    CalculatorTool which;
    QVBoxLayout* body;
    QHBoxLayout* buttons;
    std::vector<std::pair<QLineEdit*, std::string*>> fields;
    std::vector<std::pair<QCheckBox*, bool*>> checks;
    bool typingStarted = false;
};

} // namespace finplan
