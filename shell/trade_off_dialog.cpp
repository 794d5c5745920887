// The Trade-Off Analysis: three options side by side, the up-down control on
// "No of Periods", the tax box, "Graph" and the values kept in "tradeinf.dat".
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/calculator_dialogs.h"

namespace finplan {

namespace {

// The up-down control with its buddy field: the arrows, arrow keys and wheel report
// steps (up is +1); the number shown is the dialog's to set.
class UpDownField : public QAbstractSpinBox {
  public:
    explicit UpDownField(QWidget* parent) : QAbstractSpinBox(parent) {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    }
    QLineEdit* edit() const { return lineEdit(); }
    void stepBy(int steps) override {
        if (onStep) onStep(steps);
    }
    std::function<void(int)> onStep;

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

constexpr const char* kRows[] = {"Fixed Cost", "Cost per Period", "Fixed Amount",
                                 "Income per Period"};
constexpr const char* kRowNames[] = {"fixedCost", "costPerPeriod", "fixedAmount",
                                     "incomePerPeriod"};
constexpr const char* kDifferences[] = {"Option 1 - Option 2", "Option 2 - Option 3",
                                        "Option 1 - Option 3"};

QString cellName(const char* row, int option) {
    return QString("%1%2").arg(row).arg(option + 1);
}

} // namespace

TradeOffDialog::TradeOffDialog(PlannerParts& theParts, QWidget* parent)
    : CalculatorDialog(CalculatorTool::TradeOff, theParts, parent),
      launcher(theParts.launcher, theParts.messages),
      analysis(theParts.calculators.tradeOff, theParts.messages, launcher,
               theParts.scenario.initial.taxRate) {
    TradeOffAnalysis& t = analysis;
    QGridLayout* g = grid(nullptr);
    auto cell = [&](std::string& text, const char* rowName, int j, bool readOnly = false) {
        return field(text, cellName(rowName, j).toLatin1().constData(), readOnly);
    };
    for (int j = 0; j < kTradeOptions; ++j) {
        g->addWidget(new QLabel(QString("Option %1").arg(j + 1), this), 0, j + 1);
        g->addWidget(cell(t.names[static_cast<std::size_t>(j)], "name", j), 1, j + 1);
    }
    g->addWidget(new QLabel("Option Name", this), 1, 0);
    g->addWidget(new QLabel("<b>Outgoing</b>", this), 2, 0);
    g->addWidget(new QLabel("<b>Incoming</b>", this), 5, 0);
    for (int r = 0; r < 4; ++r) {
        const int at = r + 3 + (r >= 2 ? 1 : 0); // the Incoming heading sits between
        g->addWidget(new QLabel(kRows[r], this), at, 0);
        for (int j = 0; j < kTradeOptions; ++j)
            g->addWidget(
                cell(t.values[static_cast<std::size_t>(r * kTradeOptions + j)], kRowNames[r], j),
                at, j + 1);
    }
    g->addWidget(new QLabel("End Amount", this), 8, 0);
    for (int j = 0; j < kTradeOptions; ++j)
        g->addWidget(cell(t.endAmounts[static_cast<std::size_t>(j)], "endAmount", j, true), 8,
                     j + 1);

    auto* periods = new UpDownField(this);
    periods->setObjectName("periods");
    periods->edit()->setObjectName("periodsText");
    bind(periods->edit(), t.periods);
    periods->onStep = [this](int steps) {
        act([this, steps] { analysis.spinTo(tradeOffSpinPosition(analysis.periods, steps)); });
    };
    g->addWidget(new QLabel("No of Periods", this), 9, 0);
    g->addWidget(periods, 9, 1);
    g->addWidget(checkBox(t.useTaxRate, "Use Initial Values Tax Rate", "useTaxRate",
                          [this] { analysis.setUseTaxRate(analysis.useTaxRate); }),
                 9, 2, 1, 2);

    QGridLayout* d = grid("Differences");
    for (int k = 0; k < kTradeOptions; ++k) {
        d->addWidget(new QLabel(kDifferences[k], this), 0, k);
        d->addWidget(field(t.differences[static_cast<std::size_t>(k)],
                           cellName("difference", k).toLatin1().constData(), true),
                     1, k);
    }

    button("Calculate", "calculate", [this] { analysis.calculate(); })->setDefault(true);
    button("Graph", "graph", [this] { analysis.graph(); });
    // The dialog closes even when the values could not be saved (the user was told).
    button("OK", "OK", [this] {
        analysis.ok();
        accept();
    });
    helpButton(TradeOffAnalysis::kHelpContext);
}

} // namespace finplan
