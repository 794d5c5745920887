// A modal dialog without its widgets: its fields as texts, flags and choices, and its
// buttons as ids. A thin Qt dialog builds itself from the lists, copies the texts in
// before every click and out after it, and closes when the presenter says so.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/records.h"

namespace finplan {

enum class FieldKind { Edit, ReadOnly, Check, Combo };

struct FormField {
    int id = 0;
    std::string label;
    FieldKind kind = FieldKind::Edit;
    std::string text;               // Edit, ReadOnly
    bool checked = false;           // Check
    std::vector<std::string> items; // Combo
    int selected = -1;              // Combo: -1 when nothing is chosen
    std::string unit;               // shown after the field ("%")
};

struct FormButton {
    int id = 0;
    std::string label;
    bool enabled = true;
};

// What a button press does to the dialog.
enum class Press { Stay, Accept, Reject };

class DialogPresenter {
  public:
    virtual ~DialogPresenter() = default;

    const std::string& title() const { return dialogTitle; }
    std::vector<FormField>& fields() { return formFields; }
    const std::vector<FormButton>& buttons() const { return formButtons; }
    FormField& field(int id);
    const FormField& field(int id) const;
    // Shorthands for tests and for the views.
    std::string& text(int id) { return field(id).text; }
    bool hasField(int id) const;

    // A button; the view closes the dialog on Accept or Reject.
    virtual Press press(int button) = 0;
    // A checkbox click (the view shows `checked` afterwards).
    virtual void toggle(int id) { field(id).checked = !field(id).checked; }
    // A combo box choice and a double-click in it.
    virtual void choose(int id, int index) { field(id).selected = index; }
    virtual void activate(int /*id*/) {}
    // Escape and the window's close button press this one.
    int cancelButton() const { return cancelId; }
    // Marked in the table of open tool windows while it shows (the Add Event chooser
    // is not: the folders follow the events it adds).
    virtual bool isToolWindow() const { return true; }
    int defaultButton() const { return defaultId; }
    // The field whose check refused the last press, 0 when none: the view puts the
    // focus back there with its text selected. Taking it clears it.
    int takeRefusedField() { return std::exchange(refusedId, 0); }

  protected:
    // Passes `ok` on; when the check failed, remembers `id` as the field to go back to.
    bool passed(int id, bool ok) {
        if (!ok) refusedId = id;
        return ok;
    }
    FormField& addEdit(int id, const std::string& label, const std::string& text,
                       const std::string& unit = "");
    FormField& addReadOnly(int id, const std::string& label, const std::string& text,
                           const std::string& unit = "");
    FormField& addCheck(int id, const std::string& label, bool checked);
    FormField& addCombo(int id, const std::string& label, std::vector<std::string> items,
                        int selected);
    void addButton(int id, const std::string& label, bool enabled = true);

    std::string dialogTitle;
    int cancelId = 0;
    int defaultId = 0;

  private:
    int refusedId = 0;
    std::vector<FormField> formFields;
    std::vector<FormButton> formButtons;
};

// What the event editors hand to a calculator window.
enum class CalculatorKind { MortgageSchedule, Refinance, Accelerated };
struct CalculatorRequest {
    CalculatorKind kind;
    Event mortgage; // MortgageSchedule: the editor's mortgage as validated
};

// Where presenters open further dialogs: the desktop shows them modally, tests script
// them.
class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // Shows the dialog until it closes; true when it closed with Accept.
    virtual bool runDialog(DialogPresenter& dialog) = 0;
    // Opens a calculator window with the editor's values; false when this build has
    // none for it (the caller says so).
    virtual bool openCalculator(const CalculatorRequest& /*request*/) { return false; }
};

} // namespace finplan
