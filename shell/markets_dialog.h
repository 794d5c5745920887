// The Markets dialog: per named group the market it follows, the stocks share of a
// mix and the adjustment in points a year, and the historical-inflation check box,
// over MarketsPresenter.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "shell/logic/markets_presenter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace finplan {

class MarketsDialog : public QDialog {
    Q_OBJECT
  public:
    MarketsDialog(MarketsPresenter& presenter, std::function<void()> help,
                  QWidget* parent = nullptr);

  private:
    struct Row {
        QComboBox* market = nullptr;
        QLineEdit* share = nullptr;
        QLineEdit* adjustment = nullptr;
    };
    bool okPressed();
    void enableRow(const Row& row);

    MarketsPresenter& presenter;
    std::vector<Row> rows;
    QCheckBox* inflation = nullptr;
};

} // namespace finplan
