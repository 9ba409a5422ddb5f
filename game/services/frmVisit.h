#pragma once

#include "services/AmountPairDialog.h"

namespace Sardek
{

/**
 * The Hong Kong bank: one deposit of cash (up to Cash) or one withdrawal (up to Bank) per
 * visit. Ok with both boxes empty only marks the game unsaved.
 */
class frmVisit : public AmountPairDialog
{
    Q_OBJECT

  public:
    explicit frmVisit(MainWindow &main);

    QLabel *lblDeposit = nullptr;
    AmountComboBox *cboDeposit = nullptr;
    QLabel *lblWithdraw = nullptr;
    AmountComboBox *cboWithdraw = nullptr;

  protected:
    Currency listMaximum(int side) const override;
    void cmdOK_Click() override;
};

} // namespace Sardek
