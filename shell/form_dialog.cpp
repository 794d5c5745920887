#include "shell/form_dialog.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <functional>

#include "shell/dialog_focus.h"
#include "shell/icons.h"
#include "shell/logic/window_geometry.h"
#include "shell/screen_fit.h"

namespace finplan {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The dialog's margins and frame beside its row of buttons.
constexpr int kRoomAroundButtons = 60;

// The up-down control with its buddy field: the arrows, arrow keys and wheel report
// steps (up is +1); the number shown is the presenter's to set.
class UpDownField : public QAbstractSpinBox {
  public:
    explicit UpDownField(QWidget* parent) : QAbstractSpinBox(parent) {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    }
    QLineEdit* edit() const { return lineEdit(); }
    void stepBy(int steps) override {
        if (onStep) onStep(steps);
    }
    std::function<void(int)> onStep;

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

QString widgetName(const std::string& name, const char* prefix, ControlId id) {
    return name.empty() ? QString("%1%2").arg(prefix).arg(id.number()) : qs(name);
}

QLabel* boldLabel(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(qs(text), parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

FormDialog::FormDialog(DialogPresenter& thePresenter, QWidget* parent)
    : QDialog(parent), presenter_(thePresenter) {
    setWindowTitle(qs(thePresenter.title()));
    setObjectName(qs(thePresenter.title()));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const bool calculator = presenter_.style() == FormStyle::Calculator;
    if (calculator) {
        setWindowIcon(programIcon());
        // A fixed-size tool window: no minimise or maximise box.
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    }
    if (!presenter_.headline().empty()) layout->addWidget(boldLabel(presenter_.headline(), this));
    if (presenter_.sections().empty()) {
        auto* grid = new QGridLayout;
        fillGrid(grid, 0);
        layout->addLayout(grid);
    } else {
        buildSections();
    }
    if (calculator) layout->addSpacing(6);
    buildButtons();
    copyOut();
    if (QWidget* first = widgetOf(presenter_.firstField())) first->setFocus();
    startTyping(*this);
}

// Each box under the one before, or beside it in a row of boxes.
void FormDialog::buildSections() {
    auto* body = static_cast<QVBoxLayout*>(layout());
    QHBoxLayout* row = nullptr;
    const auto& sections = presenter_.sections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const FormSection& s = sections[i];
        QWidget* box = s.title.empty() ? new QWidget(this) : new QGroupBox(qs(s.title), this);
        if (!s.beside || !row) {
            row = new QHBoxLayout;
            body->addLayout(row);
        }
        row->addWidget(box);
        const int at = static_cast<int>(i);
        if (s.layout == SectionLayout::Grid) fillGrid(new QGridLayout(box), at);
        if (s.layout == SectionLayout::Form) fillForm(box, at);
        if (s.layout == SectionLayout::Sentences) fillSentences(box, at);
    }
}

// A field takes a row of its own (label, box, unit) unless it goes on the row of the
// one before it, as the Groups table's do; a check box spans the row.
void FormDialog::fillGrid(QGridLayout* grid, int section) {
    int row = -1, column = 0;
    for (FormField& f : presenter_.fields()) {
        if (f.section != section) continue;
        if (!f.sameRow) {
            ++row;
            column = 0;
        }
        if (f.kind == FieldKind::Heading) {
            grid->addWidget(new QLabel(qs(f.label), this), row, column++);
            continue;
        }
        if (f.kind == FieldKind::Note) {
            auto* note = new QLabel(qs(f.label), this);
            note->setWordWrap(f.wrap);
            grid->addWidget(note, row, column, 1, -1);
            continue;
        }
        if (f.kind == FieldKind::Check) {
            // Beside other fields it takes the columns left (-1: to the grid's edge).
            grid->addWidget(makeWidget(f), row, column, 1, f.sameRow ? -1 : 3);
            column += 3;
            continue;
        }
        if (!f.label.empty()) grid->addWidget(new QLabel(qs(f.label), this), row, column++);
        grid->addWidget(makeWidget(f), row, column++);
        if (!f.unit.empty()) grid->addWidget(new QLabel(qs(f.unit), this), row, column++);
    }
}

// Labels in a column, each box beside its label with its unit after it.
void FormDialog::fillForm(QWidget* box, int section) {
    auto* form = new QFormLayout(box);
    for (FormField& f : presenter_.fields()) {
        if (f.section != section) continue;
        QWidget* w = makeWidget(f);
        if (f.kind == FieldKind::Check) {
            form->addRow(w);
        } else if (f.unit.empty()) {
            form->addRow(qs(f.label), w);
        } else {
            auto* line = new QHBoxLayout;
            line->addWidget(w);
            line->addWidget(new QLabel(qs(f.unit), this));
            form->addRow(qs(f.label), line);
        }
    }
}

// Texts and boxes read left to right; a piece not on the row before starts a line.
void FormDialog::fillSentences(QWidget* box, int section) {
    auto* lines = new QVBoxLayout(box);
    QHBoxLayout* line = nullptr;
    for (FormField& f : presenter_.fields()) {
        if (f.section != section) continue;
        if (!f.sameRow || !line) {
            if (line) line->addStretch(1);
            line = new QHBoxLayout;
            lines->addLayout(line);
        }
        line->addWidget(f.kind == FieldKind::Heading ? new QLabel(qs(f.label), this)
                                                     : makeWidget(f));
    }
    if (line) line->addStretch(1);
}

QWidget* FormDialog::makeWidget(const FormField& f) {
    QWidget* w = nullptr;
    if (f.kind == FieldKind::Check) {
        auto* box = new QCheckBox(qs(f.label), this);
        connect(box, &QCheckBox::clicked, this, [this, id = f.id] {
            copyIn();
            presenter_.toggle(id);
            copyOut();
            backToRefusedField();
        });
        w = box;
    } else if (f.kind == FieldKind::Combo) {
        auto* combo = new QComboBox(this);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, id = f.id](int i) {
            if (syncing_) return;
            copyIn(); // a choice may change other fields (the penalty box of a type)
            presenter_.choose(id, i);
            copyOut();
        });
        w = combo;
    } else if (f.kind == FieldKind::Spin) {
        auto* spin = new UpDownField(this);
        spin->onStep = [this, id = f.id](int steps) {
            copyIn();
            presenter_.step(id, steps);
            copyOut();
        };
        spin->edit()->setObjectName(widgetName(f.name, "field", f.id) + "Text");
        textWidgets_[f.id] = spin->edit();
        w = spin;
    } else {
        w = makeEdit(f);
    }
    w->setObjectName(widgetName(f.name, "field", f.id));
    fieldWidgets_[f.id] = w;
    return w;
}

QLineEdit* FormDialog::makeEdit(const FormField& f) {
    auto* edit = new QLineEdit(this);
    edit->setReadOnly(f.kind == FieldKind::ReadOnly);
    if (presenter_.style() == FormStyle::Calculator) {
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(QString(12, QLatin1Char('0'))));
        if (edit->isReadOnly()) {
            // Results look like labels in a box, not like something to type into.
            QPalette p = edit->palette();
            p.setColor(QPalette::Base, p.color(QPalette::Window));
            edit->setPalette(p);
        }
    } else {
        edit->setMinimumWidth(f.width == FieldWidth::Text ? 260 : 120);
    }
    if (f.maxLength > 0) edit->setMaxLength(f.maxLength);
    textWidgets_[f.id] = edit;
    return edit;
}

void FormDialog::buildButtons() {
    std::vector<QPushButton*> made;
    std::vector<int> widths;
    for (const FormButton& b : presenter_.buttons()) {
        auto* button = new QPushButton(qs(b.label), this);
        button->setObjectName(widgetName(b.name, "button", b.id));
        button->setEnabled(b.enabled);
        // A calculator's button takes Enter while it has the focus.
        button->setAutoDefault(presenter_.style() == FormStyle::Calculator);
        if (b.id == presenter_.defaultButton()) button->setDefault(true);
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { pressButton(id); });
        made.push_back(button);
        widths.push_back(button->sizeHint().width());
        buttonWidgets_[b.id] = button;
    }
    if (presenter_.style() == FormStyle::Calculator) {
        // One row from the left, the buttons sharing the dialog's width.
        auto* row = new QHBoxLayout;
        for (QPushButton* button : made)
            row->addWidget(button);
        static_cast<QVBoxLayout*>(layout())->addLayout(row);
        return;
    }
    // One row on the right, or as many rows as the screen's width needs (the Mortgage
    // editor's seven buttons at a large scale).
    auto* rows = new QGridLayout;
    rows->setObjectName(kButtonRowName);
    rows->setColumnStretch(0, 1);
    const int room = screenWidth() > 0 ? screenWidth() - kRoomAroundButtons : QWIDGETSIZE_MAX;
    const int spacing = rows->horizontalSpacing() > 0 ? rows->horizontalSpacing() : 6;
    const int perRow = buttonsPerRow(widths, spacing, room);
    for (std::size_t i = 0; i < made.size(); ++i) {
        const int at = static_cast<int>(i);
        rows->addWidget(made[i], at / perRow, 1 + at % perRow);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(rows);
}

int FormDialog::screenWidth() const {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : this;
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 0;
}

QWidget* FormDialog::widgetOf(ControlId id) const {
    auto it = fieldWidgets_.find(id);
    return it == fieldWidgets_.end() ? nullptr : it->second;
}

QAbstractButton* FormDialog::buttonOf(ControlId id) const {
    auto it = buttonWidgets_.find(id);
    return it == buttonWidgets_.end() ? nullptr : it->second;
}

QLineEdit* FormDialog::editOf(ControlId id) const {
    auto it = textWidgets_.find(id);
    return it == textWidgets_.end() ? nullptr : it->second;
}

void FormDialog::copyIn() {
    for (FormField& f : presenter_.fields())
        if (QLineEdit* edit = editOf(f.id); edit && !edit->isReadOnly())
            f.text = edit->text().toStdString();
}

void FormDialog::copyOut() {
    syncing_ = true;
    for (FormField& f : presenter_.fields()) {
        QWidget* w = widgetOf(f.id);
        if (!w) continue; // a heading
        w->setEnabled(f.enabled);
        if (QLineEdit* edit = editOf(f.id)) {
            if (edit->text() != qs(f.text)) edit->setText(qs(f.text));
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            box->setChecked(f.checked);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->count() != static_cast<int>(f.items.size())) {
                combo->clear();
                for (const auto& item : f.items)
                    combo->addItem(qs(item));
            }
            combo->setCurrentIndex(f.selected);
        }
    }
    syncing_ = false;
}

void FormDialog::pressButton(ControlId id) {
    copyIn();
    const Press result = presenter_.press(id);
    copyOut();
    backToRefusedField();
    finish(result);
}

// After a refused check the user retypes the field the message was about.
void FormDialog::backToRefusedField() {
    QLineEdit* edit = editOf(presenter_.takeRefusedField());
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
}

void FormDialog::finish(Press result) {
    if (result == Press::Accept) QDialog::accept();
    if (result == Press::Reject) QDialog::reject();
}

void FormDialog::reject() {
    pressButton(presenter_.cancelButton());
}

} // namespace finplan
