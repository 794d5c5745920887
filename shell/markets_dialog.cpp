#include "shell/markets_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/market_table.h"
#include "shell/dialog_buttons.h"
#include "shell/dialog_focus.h"

namespace finplan {

MarketsDialog::MarketsDialog(MarketsPresenter& p, std::function<void()> help, QWidget* parent)
    : QDialog(parent), presenter(p) {
    setWindowTitle("Markets");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Group", this), 0, 0);
    grid->addWidget(new QLabel("Follows", this), 0, 1);
    grid->addWidget(new QLabel("Stocks Share\n(%)", this), 0, 2);
    grid->addWidget(new QLabel("Adjustment\n(points a year)", this), 0, 3);
    for (std::size_t i = 0; i < p.rows.size(); ++i) {
        const MarketRowTexts& texts = p.rows[i];
        const int line = static_cast<int>(i) + 1;
        Row row;
        row.market = new QComboBox(this);
        for (const char* name : kMarketNames)
            row.market->addItem(name);
        row.market->setCurrentIndex(static_cast<int>(texts.market));
        row.market->setObjectName(QString("market%1").arg(line));
        row.share = new QLineEdit(QString::fromStdString(texts.stocksShare), this);
        row.share->setObjectName(QString("share%1").arg(line));
        row.adjustment = new QLineEdit(QString::fromStdString(texts.adjustment), this);
        row.adjustment->setObjectName(QString("adjustment%1").arg(line));
        grid->addWidget(new QLabel(QString::fromStdString(texts.group), this), line, 0);
        grid->addWidget(row.market, line, 1);
        grid->addWidget(row.share, line, 2);
        grid->addWidget(row.adjustment, line, 3);
        rows.push_back(row);
        enableRow(row);
        connect(row.market, &QComboBox::currentIndexChanged, this, [this, row] { enableRow(row); });
    }
    if (p.rows.empty())
        grid->addWidget(new QLabel("The scenario has no named groups: name them in the "
                                   "Groups dialog first.",
                                   this),
                        1, 0, 1, 4);
    inflation = new QCheckBox("&Historical inflation", this);
    inflation->setObjectName("historicalInflation");
    inflation->setChecked(p.historicalInflation);
    auto* credit = new QLabel(kMarketDataCredit, this);
    credit->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(inflation);
    layout->addWidget(credit);
    addDialogButtons(
        *this, *layout, [this] { return okPressed(); }, std::move(help));
    startTyping(*this);
}

void MarketsDialog::enableRow(const Row& row) {
    const auto m = static_cast<Market>(row.market->currentIndex());
    row.share->setEnabled(m == Market::Mix);
    row.adjustment->setEnabled(m != Market::None);
}

bool MarketsDialog::okPressed() {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        MarketRowTexts& texts = presenter.rows[i];
        texts.market = static_cast<Market>(rows[i].market->currentIndex());
        texts.stocksShare = rows[i].share->text().toStdString();
        texts.adjustment = rows[i].adjustment->text().toStdString();
    }
    presenter.historicalInflation = inflation->isChecked();
    if (presenter.ok()) return true;
    if (presenter.refusedRow >= 0) {
        const Row& row = rows[presenter.refusedRow];
        QLineEdit* box = presenter.refusedField == MarketsPresenter::Field::StocksShare
                             ? row.share
                             : row.adjustment;
        box->setFocus();
        box->selectAll();
    }
    return false;
}

} // namespace finplan
