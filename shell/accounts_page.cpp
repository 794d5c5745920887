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
    : QWidget(parent), presenter_(thePresenter), idColumn_(theIdColumn) {
    makeList();
    byOrder_ = new QCheckBox("Sort by withdrawal order", this);
    byOrder_->setObjectName("Sort by withdrawal order");
    connect(byOrder_, &QCheckBox::clicked, this, [this](bool checked) {
        presenter_.setWithdrawalOrder(checked);
        refill();
    });
    count_ = readOnlyBox("Number of Accounts", this);
    total_ = readOnlyBox("Total", this);
    QLayout* buttons = buttonRow();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 4);
    QLayout* totals = totalsRow();
    layout->addWidget(new QLabel("Double click an account to edit.", this));
    layout->addWidget(tree_, 1);
    layout->addLayout(totals);
    layout->addLayout(buttons);
    refill();
    fitColumns();
}

// The account list with its headings; a click on a heading sorts by that column.
void AccountsPage::makeList() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("accountsList");
    tree_->setRootIsDecorated(false);
    tree_->setAlternatingRowColors(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headers;
    for (const auto& h : AccountsFolderPresenter::headers(idColumn_))
        headers << QString::fromStdString(h);
    tree_->setHeaderLabels(headers);
    for (int c = kFirstRightAligned; c < headers.size(); ++c)
        tree_->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    tree_->header()->setSectionsClickable(true);
    // In a wide window the room right of the last column stays empty, so the Order
    // (or ID) column stays beside the amounts instead of at the far edge.
    tree_->header()->setStretchLastSection(false);
    connect(tree_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        presenter_.clickHeader(column);
        refill();
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (onEdit) onEdit(tree_->indexOfTopLevelItem(item));
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
    pressButtonsOnListKeys(tree_, keys);
    button("Help", [this] {
        if (onHelp) onHelp();
    });
    buttons->addStretch();
    return buttons;
}

QLayout* AccountsPage::totalsRow() {
    auto* totals = new QHBoxLayout;
    totals->addWidget(byOrder_);
    totals->addStretch();
    totals->addWidget(new QLabel("Number of Accounts", this));
    totals->addWidget(count_);
    totals->addWidget(new QLabel("Total", this));
    totals->addWidget(total_);
    count_->setMaximumWidth(40);
    total_->setMaximumWidth(130);
    return totals;
}

// Each column as wide as its longest text, so no account type is cut short.
void AccountsPage::fitColumns() {
    for (int c = 0; c < tree_->columnCount(); ++c) {
        tree_->resizeColumnToContents(c);
        tree_->setColumnWidth(c, tree_->columnWidth(c) + 6);
    }
}

void AccountsPage::refill() {
    tree_->clear();
    for (const AccountRow& r : presenter_.rows()) {
        QStringList cells = {cell(r.name), cell(r.group),  cell(r.penalty), cell(r.type),
                             cell(r.rate), cell(r.amount), cell(r.order)};
        if (idColumn_) cells << cell(r.id);
        auto* item = new QTreeWidgetItem(tree_, cells);
        for (int c = kFirstRightAligned; c < cells.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight);
    }
    byOrder_->setChecked(presenter_.withdrawalOrderChecked());
    const auto mark = presenter_.sortMark();
    tree_->header()->setSortIndicatorShown(true);
    tree_->header()->setSortIndicator(mark.column,
                                      mark.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    count_->setText(QString::fromStdString(presenter_.countText()));
    total_->setText(QString::fromStdString(presenter_.totalText()));
}

int AccountsPage::selectedRow() const {
    QTreeWidgetItem* item = tree_->currentItem();
    return item ? tree_->indexOfTopLevelItem(item) : -1;
}

} // namespace finplan
