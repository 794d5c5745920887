#include "shell/calculator_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialog_focus.h"
#include "shell/icons.h"

namespace finplan {

int execAsTool(QDialog& dialog, ToolWindows& tools, const std::string& name,
               const std::function<int(QDialog&)>& runner) {
    QDialog* d = &dialog;
    tools.open(name, [d] {
        d->raise();
        d->activateWindow();
    });
    const int result = runner ? runner(dialog) : dialog.exec();
    tools.close(name);
    return result;
}

CalculatorDialog::CalculatorDialog(CalculatorTool tool, PlannerParts& theParts, QWidget* parent)
    : QDialog(parent), parts(theParts), which(tool) {
    setWindowTitle(toolTitle(tool));
    setWindowIcon(programIcon());
    // A fixed-size tool window: no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(this);
    body = new QVBoxLayout;
    buttons = new QHBoxLayout;
    outer->addLayout(body);
    outer->addSpacing(6);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void CalculatorDialog::showEvent(QShowEvent* event) {
    // The fields are all there by the first showing (the subclasses add them).
    if (!typingStarted) startTyping(*this);
    typingStarted = true;
    QDialog::showEvent(event);
}

void CalculatorDialog::showTexts() {
    for (auto& [edit, text] : fields)
        edit->setText(QString::fromStdString(*text));
    for (auto& [box, value] : checks)
        box->setChecked(*value);
}

void CalculatorDialog::readTexts() {
    for (auto& [edit, text] : fields)
        if (!edit->isReadOnly()) *text = edit->text().toStdString();
    for (auto& [box, value] : checks)
        *value = box->isChecked();
}

void CalculatorDialog::act(const std::function<void()>& action) {
    readTexts();
    action();
    showTexts();
}

void CalculatorDialog::bind(QLineEdit* edit, std::string& text) {
    edit->setText(QString::fromStdString(text));
    fields.emplace_back(edit, &text);
}

QLineEdit* CalculatorDialog::field(std::string& text, const char* name, bool readOnly) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    if (readOnly) {
        // Results look like labels in a box, not like something to type into.
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        edit->setPalette(p);
    }
    edit->setMinimumWidth(fontMetrics().horizontalAdvance(QString(12, QLatin1Char('0'))));
    bind(edit, text);
    return edit;
}

QCheckBox* CalculatorDialog::checkBox(bool& value, const char* label, const char* name,
                                      std::function<void()> onClick) {
    auto* box = new QCheckBox(label, this);
    box->setObjectName(name);
    box->setChecked(value);
    checks.emplace_back(box, &value);
    if (onClick)
        connect(box, &QCheckBox::clicked, this,
                [this, onClick = std::move(onClick)] { act(onClick); });
    return box;
}

QPushButton* CalculatorDialog::button(const char* label, const char* name,
                                      std::function<void()> action) {
    auto* b = new QPushButton(label, this);
    b->setObjectName(name);
    buttons->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, action = std::move(action)] { act(action); });
    return b;
}

QPushButton* CalculatorDialog::helpButton(int context) {
    return button("Help", "help", [this, context] { parts.help.showContext(context); });
}

QWidget* CalculatorDialog::box(const char* title, QBoxLayout* into) {
    QWidget* w = title ? new QGroupBox(title, this) : new QWidget(this);
    (into ? into : body)->addWidget(w);
    return w;
}

QHBoxLayout* CalculatorDialog::columns() {
    auto* row = new QHBoxLayout;
    body->addLayout(row);
    return row;
}

QFormLayout* CalculatorDialog::form(const char* title, QBoxLayout* into) {
    return new QFormLayout(box(title, into));
}

QVBoxLayout* CalculatorDialog::lines(const char* title, QBoxLayout* into) {
    return new QVBoxLayout(box(title, into));
}

QGridLayout* CalculatorDialog::grid(const char* title, QBoxLayout* into) {
    return new QGridLayout(box(title, into));
}

QLineEdit* CalculatorDialog::row(QFormLayout* form, const char* label, std::string& text,
                                 const char* name, bool readOnly) {
    QLineEdit* edit = field(text, name, readOnly);
    form->addRow(label, edit);
    return edit;
}

QLineEdit* CalculatorDialog::percentRow(QFormLayout* form, const char* label, std::string& text,
                                        const char* name) {
    QLineEdit* edit = field(text, name);
    auto* line = new QHBoxLayout;
    line->addWidget(edit);
    line->addWidget(new QLabel("%", this));
    form->addRow(label, line);
    return edit;
}

void CalculatorDialog::sentence(QVBoxLayout* lines, std::initializer_list<Piece> pieces) {
    auto* line = new QHBoxLayout;
    for (const Piece& p : pieces)
        line->addWidget(p.widget ? p.widget : new QLabel(p.text, this));
    line->addStretch(1);
    lines->addLayout(line);
}

void CalculatorDialog::heading(const char* text) {
    auto* label = new QLabel(text, this);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    body->addWidget(label);
}

} // namespace finplan
