#include "trade/frmSell.h"

#include "runtime/Formats.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"
#include "ui/AmountComboBox.h"
#include "ui/MainWindow.h"

#include <QPushButton>

namespace Sardek
{

frmSell::frmSell(MainWindow &main)
    : TradeDialog(main, {"frmSell", QStringLiteral("Sell Merchandise"), QStringLiteral("All"),
                         "fraSource", QStringLiteral("Source ")})
{
    fraSource = placeFrame();
    cmdSellAll = new QPushButton(QStringLiteral("Sell Everything"), this);
    cmdSellAll->setObjectName(QStringLiteral("cmdSellAll"));
    cmdSell = new QPushButton(QStringLiteral("Sell"), this);
    cmdSell->setObjectName(QStringLiteral("cmdSell"));
    connect(cmdSellAll, &QPushButton::clicked, this, &frmSell::cmdSellAll_Click);
    connect(cmdSell, &QPushButton::clicked, this, &frmSell::cmdSell_Click);
    finishLayout({cmdSellAll, cmdSell});
}

// Amounts are whole: a fractional stock from an edited game offers its whole part.
Currency frmSell::listMaximum(Good good) const
{
    return Int(stockOf(m_main.state(), place(), good));
}

void frmSell::cmdMax_Click(Good good)
{
    if (const Currency stock = listMaximum(good); stock > 0)
        amountBox(good)->setEditText(PlainNumber(stock));
}

// Sells even while Sell is disabled: with every stock empty it still marks the game changed.
void frmSell::cmdSellAll_Click()
{
    for (Good good : AllGoods)
        amountBox(good)->setEditText(PlainNumber(listMaximum(good)));
    cmdSell_Click();
}

void frmSell::cmdSell_Click()
{
    finishTrade(sell(m_main.state(), place(), order()));
}

} // namespace Sardek
