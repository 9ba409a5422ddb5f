#include "trade/frmBuy.h"

#include "runtime/Formats.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"
#include "ui/AmountComboBox.h"
#include "ui/MainWindow.h"

#include <QPushButton>

namespace Sardek
{

frmBuy::frmBuy(MainWindow &main)
    : TradeDialog(main, {"frmBuy", QStringLiteral("Buy Merchandise"), QStringLiteral("Max"),
                         "fraDestination", QStringLiteral("Destination ")})
{
    fraDestination = placeFrame();
    cmdBuy = new QPushButton(QStringLiteral("Buy"), this);
    cmdBuy->setObjectName(QStringLiteral("cmdBuy"));
    connect(cmdBuy, &QPushButton::clicked, this, &frmBuy::cmdBuy_Click);
    finishLayout({cmdBuy});
}

Currency frmBuy::listMaximum(Good good) const
{
    return largestPurchase(m_main.state(), place(), good, order());
}

void frmBuy::cmdMax_Click(Good good)
{
    amountBox(good)->setEditText(PlainNumber(listMaximum(good)));
}

void frmBuy::cmdBuy_Click()
{
    finishTrade(buy(m_main.state(), place(), order()));
}

} // namespace Sardek
