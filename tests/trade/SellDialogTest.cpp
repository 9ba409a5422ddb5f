#include "TradeDialogFixture.h"

#include "trade/frmSell.h"

namespace Sardek
{

// A ship with 2 cannons, 20 Opium and 5 Arms; 7 Silk in the warehouse.
class SellDialog : public TradeDialogTest
{
  protected:
    SellDialog()
    {
        GameState &s = main.state();
        s.Cannons = 2;
        s.ShipOpium = 20;
        s.ShipArms = 5;
        s.HoldUsed = 45;
        s.WarehouseSilk = 7;
        showActive(dialog);
    }

    frmSell dialog{main};
};

// A list and All offer the source's stock whatever the other boxes and the cash; All on an
// empty stock keeps the box's text.
TEST_F(SellDialog, ListsAndAll_OfferTheSourcesStock_AndAnEmptyStockKeepsTheText)
{
    main.state().Cash = 0;
    type(dialog.cboArms, "999");
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "10", "20"}));
    dialog.cmdMaxOpium->click();
    EXPECT_EQ(dialog.cboOpium->currentText(), "20");
    type(dialog.cboSilk, "3");
    EXPECT_EQ(dropDown(dialog.cboSilk), QStringList{"0"});
    dialog.cmdMaxSilk->click();
    EXPECT_EQ(dialog.cboSilk->currentText(), "3");

    QTest::mouseClick(dialog.optWarehouse, Qt::LeftButton);
    EXPECT_EQ(dropDown(dialog.cboOpium), QStringList{"0"});
    EXPECT_EQ(dropDown(dialog.cboSilk), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    dialog.cmdMaxSilk->click();
    EXPECT_EQ(dialog.cboSilk->currentText(), "7");
    EXPECT_TRUE(dialog.cmdSell->isEnabled());
}

TEST_F(SellDialog, FromTheShip_PaysExactlyAndLogsTheAmountAsTyped)
{
    type(dialog.cboOpium, "007");
    type(dialog.cboArms, "5");
    QTest::keyClick(dialog.cboArms, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.isVisible());
    const GameState &s = main.state();
    EXPECT_EQ(s.ShipOpium, 13);
    EXPECT_EQ(s.ShipArms, 0);
    EXPECT_EQ(s.HoldUsed, 33);
    EXPECT_EQ(s.Cash, 10'000 + 7000 + 500);
    EXPECT_FALSE(s.GameSaved);
    EXPECT_EQ(logLines(), (QStringList{"Jan 15, 1860 - Sold 007 Opium @ $1,000 Each",
                                       "Jan 15, 1860 - Sold 5 Arms @ $100 Each"}));
    EXPECT_EQ(main.windowTitle(), "Sardek - Galley Hand [$17,500]");
}

// An edited saved game can hold a fraction of a unit: All, the list and Sell Everything take
// the whole part, which the box can hold.
TEST_F(SellDialog, SellEverything_SellsTheWholeUnitsOfEachStockInGoodsOrder)
{
    main.state().ShipOpium = Currency::fromRaw(20'5000);
    dialog.cmdMaxOpium->click();
    EXPECT_EQ(dialog.cboOpium->currentText(), "20");
    EXPECT_EQ(dropDown(dialog.cboOpium).last(), "20");
    type(dialog.cboOpium, "1");
    QTest::mouseClick(dialog.cmdSellAll, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(main.state().ShipOpium, Currency::fromRaw(5000));
    EXPECT_EQ(main.state().ShipArms, 0);
    EXPECT_EQ(main.state().HoldUsed, 20);
    EXPECT_EQ(main.state().WarehouseSilk, 7);
    EXPECT_EQ(main.state().Cash, 10'000 + 20'000 + 500);
    EXPECT_EQ(logLines(), (QStringList{"Jan 15, 1860 - Sold 20 Opium @ $1,000 Each",
                                       "Jan 15, 1860 - Sold 5 Arms @ $100 Each"}));
}

TEST_F(SellDialog, SellEverythingFromAnEmptySource_OnlyMarksTheGameChanged)
{
    main.state().WarehouseSilk = 0;
    GameState expected = main.state();
    QTest::mouseClick(dialog.optWarehouse, Qt::LeftButton);
    ASSERT_FALSE(dialog.cmdSell->isEnabled());
    QTest::mouseClick(dialog.cmdSellAll, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    expected.GameSaved = false;
    expected.NetWorth = 10'000;
    EXPECT_EQ(main.state(), expected);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

} // namespace Sardek
