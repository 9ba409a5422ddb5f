#include "TradeDialogFixture.h"

#include "trade/frmBuy.h"

namespace Sardek
{

class BuyDialog : public TradeDialogTest
{
  protected:
    BuyDialog() { showActive(dialog); }

    // Types an amount into each box, in goods order.
    void typeAll(const char *opium, const char *silk, const char *arms, const char *general)
    {
        type(dialog.cboOpium, QLatin1String(opium));
        type(dialog.cboSilk, QLatin1String(silk));
        type(dialog.cboArms, QLatin1String(arms));
        type(dialog.cboGeneral, QLatin1String(general));
    }

    frmBuy dialog{main};
};

TEST_F(BuyDialog, OpensWithItsCaptionsShipChosenAndBuyDisabled)
{
    EXPECT_EQ(QStringList({dialog.objectName(), dialog.windowTitle(), dialog.fraGoods->title(),
                           dialog.fraDestination->title(), dialog.fraDestination->objectName(),
                           dialog.lblGeneral->text(), dialog.cboSilk->currentText(),
                           dialog.cmdMaxGeneral->text(), dialog.cmdBuy->text()}),
              QStringList({"frmBuy", "Buy Merchandise", "Goods ", "Destination ", "fraDestination",
                           "General:", "0", "Max", "Buy"}));
    EXPECT_EQ(dialog.maxButton(Good::General), dialog.cmdMaxGeneral);
    // Ship chosen; Buy the default but disabled.
    EXPECT_EQ(std::vector<bool>({dialog.optShip->isChecked(), dialog.cmdBuy->isDefault(),
                                 dialog.cmdBuy->isEnabled()}),
              std::vector<bool>({true, true, false}));
}

TEST_F(BuyDialog, BuyIsEnabledWhileAnyAmountIsAboveZero)
{
    type(dialog.cboSilk, "000");
    EXPECT_FALSE(dialog.cmdBuy->isEnabled());
    QTest::keyClicks(dialog.cboSilk, "x2");
    EXPECT_EQ(dialog.cboSilk->currentText(), "0002");
    EXPECT_TRUE(dialog.cmdBuy->isEnabled());
    QTest::keyClick(dialog.cboSilk, Qt::Key_Backspace);
    EXPECT_FALSE(dialog.cmdBuy->isEnabled());
    dialog.cmdMaxArms->click();
    EXPECT_EQ(dialog.cboArms->currentText(), "60");
    EXPECT_TRUE(dialog.cmdBuy->isEnabled());
}

TEST_F(BuyDialog, ListAndMax_ReserveTheOtherBoxesCostAndSpace)
{
    main.state().Cash = 305'000;
    type(dialog.cboSilk, "10");
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "10", "20", "30", "40", "50"}));
    dialog.cmdMaxOpium->click();
    EXPECT_EQ(dialog.cboOpium->currentText(), "50");
}

TEST_F(BuyDialog, ListIsMadeAnewAtEachDropDown_KeepingTheTypedText)
{
    type(dialog.cboOpium, "7");
    EXPECT_EQ(dropDown(dialog.cboOpium).size(), 11); // 0 ... 9, 10
    EXPECT_EQ(dialog.cboOpium->currentText(), "7");
    type(dialog.cboSilk, "10");
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(dialog.cboOpium->currentText(), "7");
}

TEST_F(BuyDialog, ChoosingFromTheList_FillsTheBoxAndEnablesBuy)
{
    main.state().Cash = 1'000'000;
    choose(dialog.cboOpium, "30");
    EXPECT_EQ(dialog.cboOpium->currentText(), "30");
    EXPECT_TRUE(dialog.cmdBuy->isEnabled());
    choose(dialog.cboOpium, "0");
    EXPECT_EQ(dialog.cboOpium->currentText(), "0");
    EXPECT_FALSE(dialog.cmdBuy->isEnabled());
}

// The rules' refusals are tested on their own; here, how the dialog shows one.
TEST_F(BuyDialog, Refusal_ShowsOneMessageAndLeavesEverythingAsItWas)
{
    main.state().WarehouseArms = 9990;
    const GameState before = main.state();
    QTest::mouseClick(dialog.optWarehouse, Qt::LeftButton);
    typeAll("0", "0", "0", "11");
    QTest::mouseClick(dialog.cmdBuy, Qt::LeftButton);
    EXPECT_EQ(refusals(),
              QStringList{"Insufficient Storage Space, Warehouse Limited to 10,000 units   "});
    EXPECT_EQ(main.state(), before);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.cboGeneral->currentText(), "11");
}

TEST_F(BuyDialog, BuyingWithAllTheCash_SpendsItExactlyAndLogsEachGoodInOrder)
{
    main.state().HoldCapacity = 100;
    typeAll("4", "007", "25", "150");
    main.state().Cash = 11'500;
    QTest::mouseClick(dialog.cmdBuy, Qt::LeftButton);
    EXPECT_EQ(refusals(), QStringList{"Insufficient Hold   "});
    type(dialog.cboGeneral, "64");
    main.state().Cash = 4000 + 3500 + 2500 + 640;
    QTest::mouseClick(dialog.cmdBuy, Qt::LeftButton);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const GameState &s = main.state();
    EXPECT_EQ(s.Cash, 0);
    EXPECT_EQ(s.HoldUsed, 100);
    EXPECT_EQ(std::vector<Currency>({s.ShipOpium, s.ShipSilk, s.ShipArms, s.ShipGeneral}),
              std::vector<Currency>({4, 7, 25, 64}));
    EXPECT_FALSE(s.GameSaved);
    EXPECT_EQ(logLines(), (QStringList{"Jan 15, 1860 - Bought 4 Opium @ $1,000 Each",
                                       "Jan 15, 1860 - Bought 7 Silk @ $500 Each",
                                       "Jan 15, 1860 - Bought 25 Arms @ $100 Each",
                                       "Jan 15, 1860 - Bought 64 General @ $10 Each"}));
    EXPECT_EQ(main.windowTitle(), "Sardek - Galley Hand [$0]");
}

TEST_F(BuyDialog, EnterInAnAmountBox_BuysOnlyWhileBuyIsEnabled)
{
    QTest::keyClick(dialog.cboArms, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    type(dialog.cboArms, "3");
    const int entries = dialog.cboArms->count();
    QTest::keyClick(dialog.cboArms, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(main.state().ShipArms, 3);
    EXPECT_EQ(dialog.cboArms->count(), entries); // Enter adds no entry
}

// An edited saved game can leave a fraction of a unit free: only whole units are offered.
TEST_F(BuyDialog, FractionalFreeHold_MaxAndTheListOfferItsWholePart)
{
    main.state().HoldUsed = Currency::fromRaw(10'5000);
    main.state().Cash = 1'000'000;
    dialog.cmdMaxArms->click();
    EXPECT_EQ(dialog.cboArms->currentText(), "49");
    EXPECT_EQ(dropDown(dialog.cboArms).last(), "49");
    QTest::mouseClick(dialog.cmdBuy, Qt::LeftButton);
    EXPECT_EQ(main.state().ShipArms, 49);
    EXPECT_EQ(main.state().HoldUsed, Currency::fromRaw(59'5000));
}

} // namespace Sardek
