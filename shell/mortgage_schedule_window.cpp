#include "shell/mortgage_schedule_window.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/icons.h"
#include "shell/logic/calculator_tools.h"

namespace finplan {

namespace {
// The list sits 10 in from the left and top, 20 narrower and 40 lower than the window.
constexpr int kMargin = 10;
constexpr int kBottomMargin = 30;
} // namespace

MortgageScheduleWindow::MortgageScheduleWindow(PlannerParts& theParts, const Event* mortgage,
                                               QWidget* parent)
    : QDialog(parent), parts_(theParts) {
    setWindowTitle(toolTitle(CalculatorTool::Schedule));
    setWindowIcon(programIcon());
    setSizeGripEnabled(true);
    table_ = new QTreeWidget(this);
    table_->setObjectName("schedule");
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setAlternatingRowColors(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->header()->setStretchLastSection(false);
    QStringList headers;
    for (int c = 0; c < MortgageSchedule::kColumnCount; ++c)
        headers << MortgageSchedule::header(c);
    table_->setHeaderLabels(headers);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kBottomMargin);
    layout->addWidget(table_);
    resize(860, 440);
    fill(mortgage);
}

void MortgageScheduleWindow::fill(const Event* mortgage) {
    if (mortgage) {
        // The schedule's month counter and running totals go to a copy: the editor's
        // values stay as they were, and a run resets those fields anyway.
        Event copy = *mortgage;
        schedule_.fill(copy, parts_.scenario.initial);
    } else {
        // The slot the Mortgage editor has just stored; no slot gives no rows.
        Event none;
        Event* slot = parts_.session.currentSlot();
        schedule_.fill(slot ? *slot : none, parts_.scenario.initial);
    }
    table_->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& row : schedule_.allRows()) {
        auto* item = new QTreeWidgetItem;
        for (int c = 0; c < MortgageSchedule::kColumnCount; ++c) {
            item->setText(c, QString::fromStdString(row[static_cast<std::size_t>(c)]));
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        items << item;
    }
    table_->addTopLevelItems(items);
}

void MortgageScheduleWindow::setColumnWidths() {
    // Each column takes its share of the width, but never so little that a figure or
    // a heading is cut short: the list scrolls sideways instead.
    const QAbstractItemView* view = table_;
    for (int c = 0; c < MortgageSchedule::kColumnCount; ++c)
        table_->setColumnWidth(
            c, std::max({MortgageSchedule::columnWidth(c, width()), view->sizeHintForColumn(c),
                         table_->header()->sectionSizeHint(c)}));
}

void MortgageScheduleWindow::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    // Widths follow a wider window; a narrower one keeps them and scrolls.
    if (scheduleNeedsNewWidths(parts_.calculators.schedule, width())) setColumnWidths();
}

void MortgageScheduleWindow::done(int result) {
    scheduleWindowClosed(parts_.calculators.schedule);
    QDialog::done(result);
}

} // namespace finplan
