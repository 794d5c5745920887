#include "shell/accounts_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/list_keys.h"

namespace finplan {

namespace {

constexpr int kFirstRightAligned = 4; // "Rate" and the columns after it

// The fixed-width texts carry padding the list's own alignment replaces.
QString cell(const std::string& t) {
    return QString::fromStdString(t).trimmed();
}

QLineEdit* readOnlyBox(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

AccountsPage::AccountsPage(AccountsFolderPresenter& thePresenter, bool theIdColumn, QWidget* parent)
    : QWidget(parent), presenter(thePresenter), idColumn(theIdColumn) {
    makeList();
    byOrder = new QCheckBox("Sort by withdrawal order", this);
    byOrder->setObjectName("Sort by withdrawal order");
    connect(byOrder, &QCheckBox::clicked, this, [this](bool checked) {
        this->presenter.setWithdrawalOrder(checked);
        refill();
    });
    count = readOnlyBox("Number of Accounts", this);
    total = readOnlyBox("Total", this);
    QLayout* buttons = buttonRow();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 4);
    QLayout* totals = totalsRow();
    layout->addWidget(new QLabel("Double click an account to edit.", this));
    layout->addWidget(tree, 1);
    layout->addLayout(totals);
    layout->addLayout(buttons);
    refill();
    fitColumns();
}

// The account list with its headings; a click on a heading sorts by that column.
void AccountsPage::makeList() {
    tree = new QTreeWidget(this);
    tree->setObjectName("accountsList");
    tree->setRootIsDecorated(false);
    tree->setAlternatingRowColors(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headers;
    for (const auto& h : AccountsFolderPresenter::headers(idColumn))
        headers << QString::fromStdString(h);
    tree->setHeaderLabels(headers);
    for (int c = kFirstRightAligned; c < headers.size(); ++c)
        tree->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    tree->header()->setSectionsClickable(true);
    // In a wide window the room right of the last column stays empty, so the Order
    // (or ID) column stays beside the amounts instead of at the far edge.
    tree->header()->setStretchLastSection(false);
    connect(tree->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        this->presenter.clickHeader(column);
        refill();
    });
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (onEdit) onEdit(tree->indexOfTopLevelItem(item));
    });
}

QLayout* AccountsPage::buttonRow() {
    auto* buttons = new QHBoxLayout;
    // Each button has a letter for the keyboard, except Help, whose Alt+H opens the menu.
    auto button = [&](const char* text, std::function<void()> f) {
        auto* b = new QPushButton(QString(text).remove('&'), this);
        b->setObjectName(b->text());
        b->setText(text);
        connect(b, &QPushButton::clicked, this, f);
        buttons->addWidget(b);
        return b;
    };
    ListButtons keys;
    keys.add = button("&Add", [this] {
        if (onAdd) onAdd();
    });
    keys.edit = button("Ed&it", [this] {
        if (onEdit && selectedRow() >= 0) onEdit(selectedRow());
    });
    button("I&mport", [this] {
        if (onImport) onImport();
    });
    keys.remove = button("&Delete", [this] {
        if (onDelete && selectedRow() >= 0) onDelete(selectedRow());
    });
    pressButtonsOnListKeys(tree, keys);
    button("Help", [this] {
        if (onHelp) onHelp();
    });
    buttons->addStretch();
    return buttons;
}

QLayout* AccountsPage::totalsRow() {
    auto* totals = new QHBoxLayout;
    totals->addWidget(byOrder);
    totals->addStretch();
    totals->addWidget(new QLabel("Number of Accounts", this));
    totals->addWidget(count);
    totals->addWidget(new QLabel("Total", this));
    totals->addWidget(total);
    count->setMaximumWidth(40);
    total->setMaximumWidth(130);
    return totals;
}

// Each column as wide as its longest text, so no account type is cut short.
void AccountsPage::fitColumns() {
    for (int c = 0; c < tree->columnCount(); ++c) {
        tree->resizeColumnToContents(c);
        tree->setColumnWidth(c, tree->columnWidth(c) + 6);
    }
}

void AccountsPage::refill() {
    tree->clear();
    for (const AccountRow& r : presenter.rows()) {
        QStringList cells = {cell(r.name), cell(r.group),  cell(r.penalty), cell(r.type),
                             cell(r.rate), cell(r.amount), cell(r.order)};
        if (idColumn) cells << cell(r.id);
        auto* item = new QTreeWidgetItem(tree, cells);
        for (int c = kFirstRightAligned; c < cells.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight);
    }
    byOrder->setChecked(presenter.withdrawalOrderChecked());
    const auto mark = presenter.sortMark();
    tree->header()->setSortIndicatorShown(true);
    tree->header()->setSortIndicator(mark.column,
                                     mark.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    count->setText(QString::fromStdString(presenter.countText()));
    total->setText(QString::fromStdString(presenter.totalText()));
}

int AccountsPage::selectedRow() const {
    QTreeWidgetItem* item = tree->currentItem();
    return item ? tree->indexOfTopLevelItem(item) : -1;
}

} // namespace finplan
