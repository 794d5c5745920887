#include "shell/logic/dialog_presenter.h"

#include <stdexcept>

namespace finplan {

FormField& DialogPresenter::field(ControlId id) {
    for (FormField& f : formFields_)
        if (f.id == id) return f;
    throw std::out_of_range("no field " + std::to_string(id.number()) + " in " + dialogTitle);
}

const FormField& DialogPresenter::field(ControlId id) const {
    return const_cast<DialogPresenter*>(this)->field(id);
}

bool DialogPresenter::hasField(ControlId id) const {
    for (const FormField& f : formFields_)
        if (f.id == id) return true;
    return false;
}

FormField& DialogPresenter::addEdit(ControlId id, const std::string& label, const std::string& text,
                                    const std::string& unit) {
    FormField f;
    f.id = id;
    f.label = label;
    f.text = text;
    f.unit = unit;
    f.section = lastSection();
    formFields_.push_back(f);
    return formFields_.back();
}

FormField& DialogPresenter::addReadOnly(ControlId id, const std::string& label,
                                        const std::string& text, const std::string& unit) {
    FormField& f = addEdit(id, label, text, unit);
    f.kind = FieldKind::ReadOnly;
    return f;
}

FormField& DialogPresenter::addCheck(ControlId id, const std::string& label, bool checked) {
    FormField& f = addEdit(id, label, "");
    f.kind = FieldKind::Check;
    f.checked = checked;
    return f;
}

FormField& DialogPresenter::addCombo(ControlId id, const std::string& label,
                                     std::vector<std::string> items, int selected) {
    FormField& f = addEdit(id, label, "");
    f.kind = FieldKind::Combo;
    f.items = std::move(items);
    f.selected = selected;
    return f;
}

void DialogPresenter::addHeading(const std::string& text, bool sameRow) {
    FormField f;
    f.kind = FieldKind::Heading;
    f.label = text;
    f.sameRow = sameRow;
    f.section = lastSection();
    formFields_.push_back(f);
}

void DialogPresenter::addNote(const std::string& text, bool wrap) {
    addHeading(text, false);
    formFields_.back().kind = FieldKind::Note;
    formFields_.back().wrap = wrap;
}

int DialogPresenter::lastSection() const {
    return formSections_.empty() ? 0 : static_cast<int>(formSections_.size()) - 1;
}

void DialogPresenter::addSection(FormSection section) {
    formSections_.push_back(std::move(section));
}

FormButton& DialogPresenter::addButton(ControlId id, const std::string& label, bool enabled) {
    formButtons_.push_back({id, label, enabled, ""});
    return formButtons_.back();
}

} // namespace finplan
