// A modal dialog without its widgets: its fields as texts, flags and choices, and its
// buttons, each named by its dialog's enum (shell/logic/dialog_fields.h). A thin Qt
// dialog builds itself from the lists, copies the texts in before every click and out
// after it, and closes when the presenter says so.
#pragma once

#include <compare>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/records.h"
#include "shell/logic/dialog_fields.h"

namespace finplan {

// A field or button of a dialog, made from a value of that dialog's enum. Zero is no
// control.
class ControlId {
  public:
    constexpr ControlId() = default;
    // Implicit, so a dialog's enum value reads as the control wherever one is asked for.
    template <typename Enum>
    requires std::is_enum_v<Enum>
    constexpr ControlId(Enum e) : value_(static_cast<int>(e)) {}
    constexpr int number() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr auto operator<=>(ControlId, ControlId) = default;

  private:
    int value_ = 0;
};

// Heading: a text above a column of a table of fields (Groups), or a piece of a
// sentence row. Spin: an edit box with up-down arrows that report steps. Note: a text
// across the rest of its row.
enum class FieldKind { Edit, ReadOnly, Check, Combo, Heading, Spin, Note };

// How wide an edit box is: a description takes a line of text.
enum class FieldWidth { Number, Text };

struct FormField {
    ControlId id;
    std::string label;
    FieldKind kind = FieldKind::Edit;
    std::string text;               // Edit, ReadOnly
    bool checked = false;           // Check
    std::vector<std::string> items; // Combo
    int selected = -1;              // Combo: -1 when nothing is chosen
    std::string unit;               // shown after the field ("%")
    FieldWidth width = FieldWidth::Number;
    int maxLength = 0; // Edit: the most characters it takes, 0 for no limit
    bool enabled = true;
    bool sameRow = false; // to the right of the field before it, not on a row of its own
    int section = 0;      // the box it sits in (an index into the dialog's sections)
    std::string name;     // the widget's object name, when not the one made from the id
    bool wrap = false;    // Note: broken into lines to the dialog's width
};

struct FormButton {
    ControlId id;
    std::string label;
    bool enabled = true;
    std::string name; // as FormField's
};

// How a box lays out its fields. Grid: a row per field (label, box, unit) unless it
// joins the row before; Form: labels in one column, boxes in the next; Sentences:
// texts and boxes read left to right, a line a row.
enum class SectionLayout { Grid, Form, Sentences };

// A box of fields, titled or not; `beside` puts it to the right of the box before.
struct FormSection {
    std::string title;
    SectionLayout layout = SectionLayout::Grid;
    bool beside = false;
};

// Calculator: the tool windows' look (buttons from the left taking the room there is,
// each pressed by Enter while it has the focus; results greyed; figure-wide boxes).
enum class FormStyle { Dialog, Calculator };

// What a button press does to the dialog.
enum class Press { Stay, Accept, Reject };

class DialogPresenter {
  public:
    virtual ~DialogPresenter() = default;

    const std::string& title() const { return dialogTitle; }
    std::vector<FormField>& fields() { return formFields_; }
    const std::vector<FormButton>& buttons() const { return formButtons_; }
    FormField& field(ControlId id);
    const FormField& field(ControlId id) const;
    // Shorthands for tests and for the views.
    std::string& text(ControlId id) { return field(id).text; }
    bool hasField(ControlId id) const;

    // A button; the view closes the dialog on Accept or Reject.
    virtual Press press(ControlId button) = 0;
    // A checkbox click (the view shows `checked` afterwards).
    virtual void toggle(ControlId id) { field(id).checked = !field(id).checked; }
    // A combo box choice and a double-click in it.
    virtual void choose(ControlId id, int index) { field(id).selected = index; }
    virtual void activate(ControlId /*id*/) {}
    // The up-down arrows of a Spin field moved `steps` (up is +1).
    virtual void step(ControlId /*id*/, int /*steps*/) {}
    // Escape and the window's close button press this one.
    ControlId cancelButton() const { return cancelId; }
    // Marked in the table of open tool windows while it shows (the Add Event chooser
    // is not: the folders follow the events it adds).
    virtual bool isToolWindow() const { return true; }
    ControlId defaultButton() const { return defaultId; }
    // Where typing starts; none for the first field the Tab key reaches.
    ControlId firstField() const { return startId; }
    // The field whose check refused the last press, none when none: the view puts the
    // focus back there with its text selected. Taking it clears it.
    ControlId takeRefusedField() { return std::exchange(refusedId_, ControlId{}); }
    // The layout: no sections is one grid of every field.
    const std::vector<FormSection>& sections() const { return formSections_; }
    const std::string& headline() const { return boldLine; } // a bold line above the boxes
    FormStyle style() const { return look; }

  protected:
    // Passes `ok` on; when the check failed, remembers `id` as the field to go back to.
    bool passed(ControlId id, bool ok) {
        if (!ok) refusedId_ = id;
        return ok;
    }
    FormField& addEdit(ControlId id, const std::string& label, const std::string& text,
                       const std::string& unit = "");
    FormField& addReadOnly(ControlId id, const std::string& label, const std::string& text,
                           const std::string& unit = "");
    FormField& addCheck(ControlId id, const std::string& label, bool checked);
    FormField& addCombo(ControlId id, const std::string& label, std::vector<std::string> items,
                        int selected);
    void addHeading(const std::string& text, bool sameRow);
    void addNote(const std::string& text, bool wrap);
    FormButton& addButton(ControlId id, const std::string& label, bool enabled = true);
    // The fields added after it go into this box.
    void addSection(FormSection section);

    std::string dialogTitle;
    std::string boldLine;
    FormStyle look = FormStyle::Dialog;
    ControlId cancelId;
    ControlId defaultId;
    ControlId startId;

  private:
    int lastSection() const;

    ControlId refusedId_;
    std::vector<FormField> formFields_;
    std::vector<FormButton> formButtons_;
    std::vector<FormSection> formSections_;
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
