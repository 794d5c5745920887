#include "shell/account_info_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "shell/dialog_buttons.h"
#include "shell/dialog_focus.h"

namespace finplan {

namespace {

QLineEdit* field(QFormLayout& form, const char* label, const std::string& text, int maxLength,
                 QWidget* parent) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(label);
    if (maxLength > 0) box->setMaxLength(maxLength);
    form.addRow(label, box);
    return box;
}

std::string textOf(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

AccountInfoDialog::AccountInfoDialog(AccountInfoPresenter& thePresenter, std::function<void()> help,
                                     QWidget* parent)
    : QDialog(parent), presenter(thePresenter) {
    setWindowTitle("Account Information");
    const AccountInfoTexts& t = thePresenter.texts;
    auto* form = new QFormLayout;
    name = field(*form, "Account Name", t.name, 29, this);
    type = new QComboBox(this);
    type->setObjectName("Select Account Type");
    for (const auto& n : AccountInfoPresenter::typeNames())
        type->addItem(QString::fromStdString(n));
    type->setCurrentIndex(thePresenter.type());
    form->addRow("Select Account Type", type);
    amount = field(*form, "Initial Amount", t.initialAmount, 12, this);
    rate = field(*form, "Rate %", t.rate, 0, this);
    rate->setObjectName("Rate");
    minRate = field(*form, "Random Minimum Rate %", t.randomMinRate, 0, this);
    minRate->setObjectName("Random Minimum Rate");
    maxRate = field(*form, "Random Maximum Rate %", t.randomMaxRate, 0, this);
    maxRate->setObjectName("Random Maximum Rate");
    order = field(*form, "Access Order", t.accessOrder, 3, this);
    group = new QComboBox(this);
    group->setObjectName("Assign Group to Account");
    for (const auto& n : thePresenter.groupNames())
        group->addItem(QString::fromStdString(n));
    group->setCurrentIndex(thePresenter.groupPosition());
    form->addRow("Assign Group to Account", group);
    penalty = new QCheckBox("Early withdrawals subject to penalty", this);
    penalty->setObjectName("Early withdrawals subject to penalty");
    form->addRow(penalty);
    showPenalty();

    connect(type, &QComboBox::currentIndexChanged, this, [this](int code) {
        this->presenter.chooseType(code);
        showPenalty();
    });
    connect(group, &QComboBox::currentIndexChanged, this,
            [this](int position) { this->presenter.chooseGroup(position); });
    connect(penalty, &QCheckBox::clicked, this, [this] {
        this->presenter.clickPenalty();
        showPenalty();
    });

    // Tab walks the fields from top to bottom.
    QWidget* chain[] = {name, type, amount, rate, minRate, maxRate, order, group, penalty};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    addDialogButtons(
        *this, *layout, [this] { return okPressed(); }, std::move(help));

    // An account being completed or changed usually needs a new amount first.
    QLineEdit* first = thePresenter.mode() == AccountDialogMode::Add ? name : amount;
    first->setFocus();
    startTyping(*this);
}

void AccountInfoDialog::showPenalty() {
    penalty->setEnabled(presenter.penaltyUsable());
    penalty->setChecked(presenter.penaltyChecked());
}

bool AccountInfoDialog::okPressed() {
    AccountInfoTexts& t = presenter.texts;
    t.name = textOf(name);
    t.initialAmount = textOf(amount);
    t.rate = textOf(rate);
    t.randomMinRate = textOf(minRate);
    t.randomMaxRate = textOf(maxRate);
    t.accessOrder = textOf(order);
    if (presenter.ok()) return true;
    // Back to the field the message was about, ready to be retyped.
    const std::pair<AccountInfoField, QLineEdit*> boxes[] = {
        {AccountInfoField::InitialAmount, amount},
        {AccountInfoField::Rate, rate},
        {AccountInfoField::RandomMinimumRate, minRate},
        {AccountInfoField::RandomMaximumRate, maxRate}};
    for (auto [id, box] : boxes)
        if (id == presenter.refusedField()) {
            box->setFocus();
            box->selectAll();
        }
    return false;
}

} // namespace finplan
