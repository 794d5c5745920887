#include "shell/logic/calculator_presenter.h"

namespace finplan {

CalculatorPresenter::CalculatorPresenter(CalculatorTool tool) {
    dialogTitle = toolTitle(tool);
    look = FormStyle::Calculator;
}

FormField& CalculatorPresenter::bound(FormField& f, std::string& text, const char* name) {
    f.name = name;
    texts_.emplace_back(f.id, &text);
    return f;
}

void CalculatorPresenter::bindEdit(ControlId id, const char* label, std::string& text,
                                   const char* name, const char* unit) {
    bound(addEdit(id, label, text, unit), text, name);
}

void CalculatorPresenter::bindResult(ControlId id, const char* label, std::string& text,
                                     const char* name) {
    bound(addReadOnly(id, label, text), text, name);
}

void CalculatorPresenter::bindSpin(ControlId id, const char* label, std::string& text,
                                   const char* name) {
    bound(addEdit(id, label, text), text, name).kind = FieldKind::Spin;
}

void CalculatorPresenter::bindCheck(ControlId id, const char* label, bool& value, const char* name,
                                    std::function<void()> onClick) {
    addCheck(id, label, value).name = name;
    flags_.emplace_back(id, &value);
    if (onClick)
        actions[id] = [onClick = std::move(onClick)] {
            onClick();
            return Press::Stay;
        };
}

void CalculatorPresenter::words(const char* text) {
    addHeading(text, false);
}

void CalculatorPresenter::line(const std::function<void()>& pieces) {
    const std::size_t first = fields().size();
    pieces();
    for (std::size_t i = first + 1; i < fields().size(); ++i)
        fields()[i].sameRow = true;
}

void CalculatorPresenter::button(ControlId id, const char* label, const char* name,
                                 std::function<Press()> action) {
    addButton(id, label).name = name;
    actions[id] = std::move(action);
}

void CalculatorPresenter::stayButton(ControlId id, const char* label, const char* name,
                                     std::function<void()> action) {
    button(id, label, name, [action = std::move(action)] {
        action();
        return Press::Stay;
    });
}

void CalculatorPresenter::helpButton(ControlId id, Help& help, int context) {
    stayButton(id, "Help", "help", [&help, context] { help.showContext(context); });
}

// A button the dialog has no action for is Escape where there is no Cancel button: the
// dialog closes and nothing is kept.
Press CalculatorPresenter::press(ControlId button) {
    auto it = actions.find(button);
    if (it == actions.end()) return Press::Reject;
    Press result = Press::Stay;
    act([&] { result = it->second(); });
    return result;
}

void CalculatorPresenter::toggle(ControlId id) {
    DialogPresenter::toggle(id);
    if (actions.count(id)) press(id);
}

void CalculatorPresenter::act(const std::function<void()>& action) {
    readTexts();
    action();
    showTexts();
}

void CalculatorPresenter::readTexts() {
    for (auto& [id, text] : texts_)
        if (field(id).kind != FieldKind::ReadOnly) *text = field(id).text;
    for (auto& [id, value] : flags_)
        *value = field(id).checked;
}

void CalculatorPresenter::showTexts() {
    for (auto& [id, text] : texts_)
        field(id).text = *text;
    for (auto& [id, value] : flags_)
        field(id).checked = *value;
}

} // namespace finplan
