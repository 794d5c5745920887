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
    startTyping(*this);
}

void FormDialog::buildFields() {
    auto* grid = new QGridLayout;
    int row = 0;
    for (FormField& f : presenter.fields()) {
        const QString name = QString("field%1").arg(f.id.number());
        QWidget* w = nullptr;
        if (f.kind == FieldKind::Check) {
            auto* box = new QCheckBox(qs(f.label), this);
            connect(box, &QCheckBox::clicked, this, [this, id = f.id] {
                copyIn();
                presenter.toggle(id);
                copyOut();
                backToRefusedField();
            });
            grid->addWidget(box, row, 0, 1, 3);
            w = box;
        } else {
            grid->addWidget(new QLabel(qs(f.label), this), row, 0);
            if (f.kind == FieldKind::Combo) {
                auto* combo = new QComboBox(this);
                connect(combo, &QComboBox::currentIndexChanged, this, [this, id = f.id](int i) {
                    if (!syncing) presenter.choose(id, i);
                });
                w = combo;
            } else {
                auto* edit = new QLineEdit(this);
                edit->setReadOnly(f.kind == FieldKind::ReadOnly);
                edit->setMinimumWidth(f.width == FieldWidth::Text ? 260 : 120);
                w = edit;
            }
            grid->addWidget(w, row, 1);
            if (!f.unit.empty()) grid->addWidget(new QLabel(qs(f.unit), this), row, 2);
        }
        w->setObjectName(name);
        fieldWidgets[f.id] = w;
        ++row;
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
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
