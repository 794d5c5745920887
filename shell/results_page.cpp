#include "shell/results_page.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/command_ids.h"

namespace finplan {

namespace {

// The fixed column headings, drawn over the list's columns in its own font and
// scrolled with it. A schedule row is a 4-character age, then seven 15-character
// amounts each followed by a blank.
class ResultsHeadings : public QWidget {
public:
    ResultsHeadings(QListWidget* list, QWidget* parent) : QWidget(parent), list(list) {
        setFixedHeight(3 * QFontMetrics(list->font()).height() + 4);
        connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                [this] { update(); });
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(list->font());
        const QFontMetrics fm(list->font());
        const int cw = fm.horizontalAdvance('0');
        const int lh = fm.height();
        const int x0 = list->frameWidth() + 2 - list->horizontalScrollBar()->value();
        auto column = [&](int i) { return x0 + (4 + 16 * i) * cw; };  // left of amount i
        auto right = [&](int row, int i, const char* text) {
            p.drawText(QRect(column(i), 2 + row * lh, 15 * cw, lh), Qt::AlignRight, text);
        };
        p.drawText(QRect(x0, 2 + 2 * lh, 4 * cw, lh), Qt::AlignLeft, "Age");
        right(1, 0, "Investment");
        right(2, 0, "Accounts");
        right(1, 1, "Tax Free");
        right(2, 1, "Accounts");
        right(1, 2, "Retirement");
        right(2, 2, "Accounts");
        // "Assets" spans the asset and equity columns.
        QRect span(column(3), 2, column(5) - column(3), lh);
        p.drawText(span, Qt::AlignCenter, "Assets");
        p.drawLine(span.left() + 2 * cw, span.bottom(), span.right(), span.bottom());
        right(2, 3, "Accounts");
        right(2, 4, "Equity");
        right(2, 5, "Liabilities");
        right(2, 6, "Net Worth");
    }

private:
    QListWidget* list;
};

}  // namespace

ResultsPage::ResultsPage(ResultsPresenter& presenter, QWidget* parent)
    : QWidget(parent), presenter(presenter) {
    listView = new QListWidget(this);
    listView->setObjectName("resultsList");
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(9);
    listView->setFont(mono);
    listView->setUniformItemSizes(true);
    listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    headings = new ResultsHeadings(listView, this);

    auto button = [this](const char* text, std::function<void()> f) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(text);
        connect(b, &QPushButton::clicked, this, [this, f] { act(f); });
        return b;
    };
    details = new QCheckBox("Show detailed results", this);
    accounts = new QCheckBox("Show accounts", this);
    connect(details, &QCheckBox::clicked, this, [this] { act([this] { this->presenter.toggleDetails(); }); });
    connect(accounts, &QCheckBox::clicked, this, [this] { act([this] { this->presenter.toggleAccounts(); }); });
    ageEdit = new QLineEdit(this);
    ageEdit->setObjectName("ageBox");
    ageEdit->setMaximumWidth(48);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    grid->addWidget(button("Run Again", [this] { this->presenter.runAgain(); }), 0, 0);
    grid->addWidget(button("Run with random account rates", [this] { this->presenter.runRandom(false); }), 0, 1);
    grid->addWidget(button("Run with random group rates", [this] { this->presenter.runRandom(true); }), 0, 2);
    grid->addWidget(button("Save", [this] { this->presenter.save(); }), 1, 0);
    grid->addWidget(button("Print", [this] { if (onCommand) onCommand(cmd::kPrintResults); }), 1, 1);
    grid->addWidget(button("Edit inital values and run again",
                           [this] { if (onCommand) onCommand(cmd::kInitialValues); }), 1, 2);
    auto* nav = new QHBoxLayout;
    nav->setSpacing(3);
    nav->addWidget(button("Top", [this] { this->presenter.top(); }));
    nav->addWidget(button("Bottom", [this] { this->presenter.bottom(); }));
    nav->addWidget(button("Go To", [this] { this->presenter.goTo(ageEdit->text().toStdString()); }));
    nav->addWidget(ageEdit);
    nav->addStretch();
    nav->addWidget(details);
    nav->addWidget(accounts);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 4);
    layout->setSpacing(3);
    layout->addWidget(headings);
    layout->addWidget(listView, 1);
    layout->addLayout(grid);
    layout->addLayout(nav);

    // Enter in the age box does what the Go To button does.
    connect(ageEdit, &QLineEdit::returnPressed, this,
            [this] { act([this] { this->presenter.goTo(ageEdit->text().toStdString()); }); });
    connect(listView, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        DoubleClickAction a = this->presenter.doubleClick(listView->row(item));
        if (a.kind == DoubleClickAction::ShowAge) {
            ageEdit->setText(QString::fromStdString(this->presenter.ageBoxText()));
            refresh();
        } else if (a.kind == DoubleClickAction::EditEvent && onEditEvent) {
            onEditEvent(a.value);
        }
    });
}

void ResultsPage::act(const std::function<void()>& f) {
    f();
    refresh();
}

void ResultsPage::refresh() {
    const auto& lines = presenter.list().lines;
    if (shownRuns != presenter.listRuns()) {
        shownRuns = presenter.listRuns();
        listView->clear();
        QStringList items;
        items.reserve(static_cast<int>(lines.size()));
        for (const auto& l : lines) items << QString::fromStdString(l);
        listView->addItems(items);
    }
    details->setChecked(presenter.showDetails());
    accounts->setChecked(presenter.showAccounts());
    int sel = presenter.selectedLine();
    if (sel >= 0 && sel < listView->count()) {
        listView->setCurrentRow(sel);
        listView->scrollToItem(listView->item(sel),
                               presenter.place() == ResultsPlace::Bottom
                                   ? QAbstractItemView::PositionAtBottom
                                   : QAbstractItemView::PositionAtTop);
    }
}

}  // namespace finplan
