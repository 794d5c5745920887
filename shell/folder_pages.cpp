#include "shell/folder_pages.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/money.h"
#include "shell/icons.h"

namespace finplan {

QListWidget* makeTextLineList(const char* objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(9);
    list->setFont(mono);
    // Lines differ in width and the widest sets how far the list scrolls sideways, so
    // item sizes are not taken from the first line alone.
    list->setUniformItemSizes(false);
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return list;
}

QWidget* makeSplashPage(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("splash");
    label->setPixmap(splashPixmap());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QWidget* makeAccountsPage(Scenario& s, const AccountListSort& sort, bool idColumn,
                          std::function<void(int row)> onEdit, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* tree = new QTreeWidget(page);
    tree->setObjectName("accountsList");
    tree->setRootIsDecorated(false);
    tree->setAlternatingRowColors(true);
    QStringList headers = {"Account", "Group", "P", "Account Type", "Rate", "Amount", "Order"};
    if (idColumn) headers << "ID";
    tree->setHeaderLabels(headers);
    for (int c = 4; c < headers.size(); ++c)
        tree->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    for (const AccountRow& r : accountListRows(s, sort)) {
        // The fixed-width texts carry padding the list's own alignment replaces.
        auto cell = [](const std::string& t) { return QString::fromStdString(t).trimmed(); };
        QStringList cells = {cell(r.name), cell(r.group),  cell(r.penalty), cell(r.type),
                             cell(r.rate), cell(r.amount), cell(r.order)};
        if (idColumn) cells << cell(r.id);
        auto* item = new QTreeWidgetItem(tree, cells);
        for (int c = 4; c < cells.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight);
    }
    // Each column as wide as its longest text, so no account type is cut short; what
    // is left of the list's width goes to the last column.
    for (int c = 0; c < headers.size(); ++c) {
        tree->resizeColumnToContents(c);
        tree->setColumnWidth(c, tree->columnWidth(c) + 6);
    }
    tree->header()->setStretchLastSection(true);
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, page,
                     [tree, onEdit](QTreeWidgetItem* item) {
                         if (onEdit) onEdit(tree->indexOfTopLevelItem(item));
                     });
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 0, 10, 4);
    layout->addWidget(new QLabel("Double click an account to edit.", page));
    layout->addWidget(tree, 1);
    layout->addWidget(new QLabel(
        QString::fromStdString(format("Number of Accounts: %2d    Total: %s",
                                      s.accounts.usableCount(), money13(accountTotal(s)).c_str())),
        page));
    return page;
}

} // namespace finplan
