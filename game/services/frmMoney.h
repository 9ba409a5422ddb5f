#pragma once

#include "services/AmountPairDialog.h"

namespace Sardek
{

/**
 * The money lender: one loan (up to BorrowLimit) or one repayment (up to Cash, and up to Debt
 * unless Options > Enable Money Lender Bug is checked when OK is pressed) per visit. A loan
 * closes the Money Lender order until it is opened again from outside.
 */
class frmMoney : public AmountPairDialog
{
    Q_OBJECT

  public:
    explicit frmMoney(MainWindow &main);

    QLabel *lblBorrow = nullptr;
    AmountComboBox *cboBorrow = nullptr;
    QLabel *lblRepay = nullptr;
    AmountComboBox *cboRepay = nullptr;

  protected:
    Currency listMaximum(int side) const override;
    void cmdOK_Click() override;
};

} // namespace Sardek
