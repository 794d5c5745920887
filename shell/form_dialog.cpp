#include "shell/form_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/dialog_focus.h"
#include "shell/logic/window_geometry.h"
#include "shell/screen_fit.h"

namespace finplan {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The dialog's margins and frame beside its row of buttons.
constexpr int kRoomAroundButtons = 60;

} // namespace

FormDialog::FormDialog(DialogPresenter& thePresenter, QWidget* parent)
    : QDialog(parent), presenter(thePresenter) {
    setWindowTitle(qs(thePresenter.title()));
    setObjectName(qs(thePresenter.title()));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildFields();
    buildButtons();
    copyOut();
    if (QWidget* first = widgetOf(presenter.firstField())) first->setFocus();
    startTyping(*this);
}

// One grid: a field takes a row of its own (label, box, unit) unless it goes on the
// row of the one before it, as the Groups table's do; a check box spans the row.
void FormDialog::buildFields() {
    auto* grid = new QGridLayout;
    int row = -1, column = 0;
    for (FormField& f : presenter.fields()) {
        if (!f.sameRow) {
            ++row;
            column = 0;
        }
        if (f.kind == FieldKind::Heading) {
            grid->addWidget(new QLabel(qs(f.label), this), row, column++);
            continue;
        }
        if (f.kind == FieldKind::Check) {
            grid->addWidget(makeWidget(f), row, column, 1, 3);
            column += 3;
            continue;
        }
        if (!f.label.empty()) grid->addWidget(new QLabel(qs(f.label), this), row, column++);
        grid->addWidget(makeWidget(f), row, column++);
        if (!f.unit.empty()) grid->addWidget(new QLabel(qs(f.unit), this), row, column++);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

QWidget* FormDialog::makeWidget(const FormField& f) {
    QWidget* w = nullptr;
    if (f.kind == FieldKind::Check) {
        auto* box = new QCheckBox(qs(f.label), this);
        connect(box, &QCheckBox::clicked, this, [this, id = f.id] {
            copyIn();
            presenter.toggle(id);
            copyOut();
            backToRefusedField();
        });
        w = box;
    } else if (f.kind == FieldKind::Combo) {
        auto* combo = new QComboBox(this);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, id = f.id](int i) {
            if (syncing) return;
            copyIn(); // a choice may change other fields (the penalty box of a type)
            presenter.choose(id, i);
            copyOut();
        });
        w = combo;
    } else {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(f.kind == FieldKind::ReadOnly);
        edit->setMinimumWidth(f.width == FieldWidth::Text ? 260 : 120);
        if (f.maxLength > 0) edit->setMaxLength(f.maxLength);
        w = edit;
    }
    w->setObjectName(QString("field%1").arg(f.id.number()));
    fieldWidgets[f.id] = w;
    return w;
}

void FormDialog::buildButtons() {
    std::vector<QPushButton*> made;
    std::vector<int> widths;
    for (const FormButton& b : presenter.buttons()) {
        auto* button = new QPushButton(qs(b.label), this);
        button->setObjectName(QString("button%1").arg(b.id.number()));
        button->setEnabled(b.enabled);
        button->setAutoDefault(false);
        if (b.id == presenter.defaultButton()) button->setDefault(true);
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { pressButton(id); });
        made.push_back(button);
        widths.push_back(button->sizeHint().width());
        buttonWidgets[b.id] = button;
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
    auto it = fieldWidgets.find(id);
    return it == fieldWidgets.end() ? nullptr : it->second;
}

QAbstractButton* FormDialog::buttonOf(ControlId id) const {
    auto it = buttonWidgets.find(id);
    return it == buttonWidgets.end() ? nullptr : it->second;
}

void FormDialog::copyIn() {
    for (FormField& f : presenter.fields())
        if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(f.id)); edit && !edit->isReadOnly())
            f.text = edit->text().toStdString();
}

void FormDialog::copyOut() {
    syncing = true;
    for (FormField& f : presenter.fields()) {
        QWidget* w = widgetOf(f.id);
        if (!w) continue; // a heading
        w->setEnabled(f.enabled);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
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
    syncing = false;
}

void FormDialog::pressButton(ControlId id) {
    copyIn();
    const Press result = presenter.press(id);
    copyOut();
    backToRefusedField();
    finish(result);
}

// After a refused check the user retypes the field the message was about.
void FormDialog::backToRefusedField() {
    auto* edit = qobject_cast<QLineEdit*>(widgetOf(presenter.takeRefusedField()));
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
}

void FormDialog::finish(Press result) {
    if (result == Press::Accept) QDialog::accept();
    if (result == Press::Reject) QDialog::reject();
}

void FormDialog::reject() {
    pressButton(presenter.cancelButton());
}

} // namespace finplan
