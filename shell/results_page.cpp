#include "shell/results_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/folder_pages.h"
#include "shell/logic/command_ids.h"

namespace finplan {

namespace {

// The fixed column headings, drawn over the list's columns in its own font and
// scrolled with it. A schedule row is a 4-character age, then seven 15-character
// amounts each followed by a blank.
class ResultsHeadings : public QWidget {
  public:
    ResultsHeadings(QListWidget* theList, QWidget* parent) : QWidget(parent), list(theList) {
        setObjectName("resultsHeadings");
        setFixedHeight(2 * QFontMetrics(theList->font()).height() + 6);
        connect(theList->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                [this] { update(); });
    }

    // Left edge, in this widget, of text column c of the list's lines.
    int columnX(int c) const {
        const QFontMetrics fm(list->font());
        // Where the list draws a line's first character: its viewport, less the
        // scrolled amount, plus the margin the style keeps before item text.
        const int margin =
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        const int x0 = list->viewport()->mapTo(parentWidget(), QPoint(0, 0)).x() - x() + margin -
                       list->horizontalScrollBar()->value();
        // Advances can be fractional: measure the whole run of characters, not one times c.
        return x0 + fm.horizontalAdvance(QString(c, QLatin1Char('0')));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // Headings scrolled out of the list's view are not drawn beside it.
        const QPoint view = list->viewport()->mapTo(parentWidget(), QPoint(0, 0)) - pos();
        p.setClipRect(QRect(view.x(), 0, list->viewport()->width(), height()));
        p.setFont(list->font());
        const int lh = QFontMetrics(list->font()).height();
        auto column = [&](int i) { return columnX(4 + 16 * i); }; // left of amount i
        // Right-aligned with the amounts of column i.
        auto right = [&](int row, int i, const char* text) {
            const int r = columnX(4 + 16 * i + 15);
            p.drawText(QRect(column(i), 2 + row * lh, r - column(i), lh), Qt::AlignRight, text);
        };
        p.drawText(QRect(columnX(0), 2 + lh, columnX(4) - columnX(0) + lh, lh), Qt::AlignLeft,
                   "Age");
        right(0, 0, "Investment");
        right(1, 0, "Accounts");
        right(0, 1, "Tax Free");
        right(1, 1, "Accounts");
        right(0, 2, "Retirement");
        right(1, 2, "Accounts");
        // "Assets" spans the asset and equity columns, underlined.
        const int spanLeft = columnX(4 + 16 * 3 + 4), spanRight = columnX(4 + 16 * 4 + 15);
        QRect span(spanLeft, 2, spanRight - spanLeft, lh);
        p.drawText(span, Qt::AlignCenter, "Assets");
        p.drawLine(spanLeft, span.bottom(), spanRight, span.bottom());
        right(1, 3, "Accounts");
        right(1, 4, "Equity");
        right(1, 5, "Liabilities");
        right(1, 6, "Net Worth");
    }

  private:
    QListWidget* list;
};

} // namespace

ResultsPage::ResultsPage(ResultsPresenter& thePresenter, QWidget* parent)
    : QWidget(parent), presenter_(thePresenter) {
    listView_ = makeTextLineList("resultsList", this);
    headings_ = new ResultsHeadings(listView_, this);
    details_ = new QCheckBox("Show detailed results", this);
    accounts_ = new QCheckBox("Show accounts", this);
    connect(details_, &QCheckBox::clicked, this,
            [this] { act([this] { presenter_.toggleDetails(); }); });
    connect(accounts_, &QCheckBox::clicked, this,
            [this] { act([this] { presenter_.toggleAccounts(); }); });
    ageEdit_ = new QLineEdit(this);
    ageEdit_->setObjectName("ageBox");
    ageEdit_->setMaximumWidth(48);
    // Says what the list shows when it is not the plain run of the scenario.
    captionLabel_ = new QLabel(this);
    captionLabel_->setObjectName("resultsCaption");
    QFont bold = captionLabel_->font();
    bold.setBold(true);
    captionLabel_->setFont(bold);
    captionLabel_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 4);
    layout->setSpacing(3);
    layout->addWidget(captionLabel_);
    layout->addWidget(headings_);
    layout->addWidget(listView_, 1);
    layout->addLayout(runButtons());
    layout->addLayout(navigationRow());

    // Enter in the age box does what the Go To button does.
    connect(ageEdit_, &QLineEdit::returnPressed, this, [this] { act([this] { goTo(); }); });
    connect(listView_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { doubleClicked(item); });
}

QPushButton* ResultsPage::button(const char* text, std::function<void()> f) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(text);
    connect(b, &QPushButton::clicked, this, [this, f] { act(f); });
    return b;
}

// The two rows of run, save, print and initial-values buttons.
QLayout* ResultsPage::runButtons() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    grid->addWidget(button("Run Again", [this] { presenter_.runAgain(); }), 0, 0);
    grid->addWidget(
        button("Run with random account rates", [this] { presenter_.runRandom(false); }), 0, 1);
    grid->addWidget(button("Run with random group rates", [this] { presenter_.runRandom(true); }),
                    0, 2);
    grid->addWidget(button("Save", [this] { presenter_.save(); }), 1, 0);
    grid->addWidget(button("Print",
                           [this] {
                               if (onCommand) onCommand(cmd::kPrintResults);
                           }),
                    1, 1);
    grid->addWidget(button("Edit inital values and run again",
                           [this] {
                               if (onCommand) onCommand(cmd::kInitialValues);
                           }),
                    1, 2);
    return grid;
}

// Top, Bottom, Go To with the age box, and the two view boxes.
QLayout* ResultsPage::navigationRow() {
    auto* nav = new QHBoxLayout;
    nav->setSpacing(3);
    nav->addWidget(button("Top", [this] { presenter_.top(); }));
    nav->addWidget(button("Bottom", [this] { presenter_.bottom(); }));
    nav->addWidget(button("Go To", [this] { goTo(); }));
    nav->addWidget(ageEdit_);
    nav->addStretch();
    nav->addWidget(details_);
    nav->addWidget(accounts_);
    return nav;
}

void ResultsPage::goTo() {
    presenter_.goTo(ageEdit_->text().toStdString());
}

void ResultsPage::doubleClicked(QListWidgetItem* item) {
    DoubleClickAction a = presenter_.doubleClick(listView_->row(item));
    if (a.kind == DoubleClickAction::ShowAge) {
        ageEdit_->setText(QString::fromStdString(presenter_.ageBoxText()));
        refresh();
    } else if (a.kind == DoubleClickAction::EditEvent && onEditEvent) {
        onEditEvent(a.value);
    }
}

void ResultsPage::act(const std::function<void()>& f) {
    f();
    refresh();
}

void ResultsPage::refresh() {
    const auto& lines = presenter_.list().lines;
    if (shownRuns_ != presenter_.listRuns()) {
        shownRuns_ = presenter_.listRuns();
        listView_->clear();
        QStringList items;
        items.reserve(static_cast<int>(lines.size()));
        for (const auto& l : lines)
            items << QString::fromStdString(l);
        listView_->addItems(items);
    }
    captionLabel_->setText(QString::fromStdString(presenter_.caption()));
    captionLabel_->setVisible(!presenter_.caption().empty());
    details_->setChecked(presenter_.showDetails());
    accounts_->setChecked(presenter_.showAccounts());
    int sel = presenter_.selectedLine();
    if (sel >= 0 && sel < listView_->count()) {
        listView_->setCurrentRow(sel);
        listView_->scrollToItem(listView_->item(sel), presenter_.place() == ResultsPlace::Bottom
                                                          ? QAbstractItemView::PositionAtBottom
                                                          : QAbstractItemView::PositionAtTop);
    }
}

} // namespace finplan
