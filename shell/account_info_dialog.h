// The Account Information dialog: a thin view over AccountInfoPresenter that copies
// the texts in and out and forwards the choices and the buttons.
#pragma once

#include <QDialog>
#include <functional>

#include "shell/logic/account_info_presenter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace finplan {

class AccountInfoDialog : public QDialog {
    Q_OBJECT
  public:
    AccountInfoDialog(AccountInfoPresenter& presenter, std::function<void()> help,
                      QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return name; }
    QLineEdit* amountBox() const { return amount; }
    QLineEdit* rateBox() const { return rate; }
    QLineEdit* minRateBox() const { return minRate; }
    QLineEdit* maxRateBox() const { return maxRate; }
    QLineEdit* orderBox() const { return order; }
    QComboBox* typeBox() const { return type; }
    QComboBox* groupBox() const { return group; }
    QCheckBox* penaltyBox() const { return penalty; }

  private:
    bool okPressed();
    void showPenalty();

    AccountInfoPresenter& presenter;
    QLineEdit *name, *amount, *rate, *minRate, *maxRate, *order;
    QComboBox *type, *group;
    QCheckBox* penalty;
};

} // namespace finplan
