// What every calculator dialog's presenter shares: its fields bound to the texts and
// flags its calculator holds, read back before every button or box click and shown
// again after it, the buttons' actions, and the Help button.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/help.h"
#include "shell/logic/calculator_tools.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

class CalculatorPresenter : public DialogPresenter {
  public:
    Press press(ControlId button) override;
    void toggle(ControlId id) override;

  protected:
    explicit CalculatorPresenter(CalculatorTool tool);

    // An edit box showing `text`, named `name` for the tests; `unit` follows it ("%").
    void bindEdit(ControlId id, const char* label, std::string& text, const char* name,
                  const char* unit = "");
    // A read-only box showing a result.
    void bindResult(ControlId id, const char* label, std::string& text, const char* name);
    // The trade-off's up-down field.
    void bindSpin(ControlId id, const char* label, std::string& text, const char* name);
    // A check box bound to `value`; `onClick`, if any, runs as a button's action does.
    void bindCheck(ControlId id, const char* label, bool& value, const char* name,
                   std::function<void()> onClick = {});
    // A text among the fields: a sentence's words, a column's heading.
    void words(const char* text);
    // The fields and texts `pieces` adds share one row.
    void line(const std::function<void()>& pieces);
    // A button: the typed texts are read, `action` runs, the results are shown.
    void button(ControlId id, const char* label, const char* name, std::function<Press()> action);
    // A button that leaves the dialog open after `action`.
    void stayButton(ControlId id, const char* label, const char* name,
                    std::function<void()> action);
    void helpButton(ControlId id, Help& help, int context);
    // Reads the typed texts, runs `action`, shows the texts again.
    void act(const std::function<void()>& action);

  private:
    FormField& bound(FormField& f, std::string& text, const char* name);
    void readTexts();
    void showTexts();

    std::vector<std::pair<ControlId, std::string*>> texts_;
    std::vector<std::pair<ControlId, bool*>> flags_;
    std::map<ControlId, std::function<Press()>> actions;
};

} // namespace finplan
