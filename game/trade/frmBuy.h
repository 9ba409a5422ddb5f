#pragma once

#include "trade/TradeDialog.h"

namespace Sardek
{

/**
 * The Buy dialog: any mix of the four goods at the port's prices, into the ship's hold or the
 * Hong Kong warehouse. Each list and Max button offers the largest amount the cash and the
 * free space allow after the other boxes' amounts; whatever is typed is checked by Buy.
 */
class frmBuy : public TradeDialog
{
    Q_OBJECT

  public:
    explicit frmBuy(MainWindow &main);

    QGroupBox *fraDestination = nullptr;
    QPushButton *cmdBuy = nullptr;

  protected:
    Currency listMaximum(Good good) const override;
    void cmdMax_Click(Good good) override;

  private:
    void cmdBuy_Click();
};

} // namespace Sardek
