#include "services/frmMoney.h"

#include "services/MoneyLender.h"
#include "services/ShowServiceOutcome.h"
#include "ui/AmountComboBox.h"
#include "ui/MainWindow.h"

namespace Sardek
{

frmMoney::frmMoney(MainWindow &main)
    : AmountPairDialog(main, {"frmMoney",
                              QStringLiteral("Elder Lam the Money Lender"),
                              {"Borrow", "Repay"},
                              QStringLiteral("OK"),
                              3400,
                              2980})
{
    lblBorrow = label(0);
    cboBorrow = box(0);
    lblRepay = label(1);
    cboRepay = box(1);
}

Currency frmMoney::listMaximum(int side) const
{
    const GameState &state = m_main.state();
    return side == 0 ? BorrowLimit(state) : repayMaximum(state);
}

void frmMoney::cmdOK_Click()
{
    finishService(m_main, *this,
                  visitLender(m_main.state(), TypedAmount(cboBorrow->currentText()),
                              TypedAmount(cboRepay->currentText()),
                              m_main.moneyLenderBugEnabled()));
}

} // namespace Sardek
