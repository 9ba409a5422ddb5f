#include "services/frmVisit.h"

#include "services/Bank.h"
#include "services/ShowServiceOutcome.h"
#include "ui/AmountComboBox.h"
#include "ui/MainWindow.h"

namespace Sardek
{

frmVisit::frmVisit(MainWindow &main)
    : AmountPairDialog(main, {"frmVisit",
                              QStringLiteral("Visit Bank"),
                              {"Deposit", "Withdraw"},
                              QStringLiteral("Ok"),
                              3400,
                              2960})
{
    lblDeposit = label(0);
    cboDeposit = box(0);
    lblWithdraw = label(1);
    cboWithdraw = box(1);
}

Currency frmVisit::listMaximum(int side) const
{
    const GameState &state = m_main.state();
    return side == 0 ? state.Cash : state.Bank;
}

void frmVisit::cmdOK_Click()
{
    finishService(m_main, *this,
                  visitBank(m_main.state(), TypedAmount(cboDeposit->currentText()),
                            TypedAmount(cboWithdraw->currentText())));
}

} // namespace Sardek
