#pragma once

#include "trade/TradeDialog.h"

namespace Sardek
{

/**
 * The Sell dialog: any mix of the four goods at the port's prices, from the ship's hold or the
 * Hong Kong warehouse. Lists and All buttons offer the stock in the chosen source whatever the
 * other boxes hold; Sell Everything sells all four stocks at once.
 */
class frmSell : public TradeDialog
{
    Q_OBJECT

  public:
    explicit frmSell(MainWindow &main);

    QGroupBox *fraSource = nullptr;
    QPushButton *cmdSellAll = nullptr;
    QPushButton *cmdSell = nullptr;

  protected:
    Currency listMaximum(Good good) const override;
    /// All: the whole stock into the box; an empty stock leaves the box as it is.
    void cmdMax_Click(Good good) override;

  private:
    void cmdSellAll_Click();
    void cmdSell_Click();
};

} // namespace Sardek
