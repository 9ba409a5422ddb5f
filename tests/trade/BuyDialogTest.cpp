#include "TradeDialogFixture.h"

#include "trade/frmBuy.h"

namespace Sardek
{

class BuyDialog : public TradeDialogTest
{
  protected:
    BuyDialog() { showActive(dialog); }

    frmBuy dialog{main};
};

// Every way an amount changes (keys, Backspace, Max, the list) updates Buy.
TEST_F(BuyDialog, BuyIsEnabledWhileAnyAmountIsAboveZero)
{
    type(dialog.cboSilk, "000");
    EXPECT_FALSE(dialog.cmdBuy->isEnabled());
    QTest::keyClicks(dialog.cboSilk, "x2");
    EXPECT_EQ(dialog.cboSilk->currentText(), "0002");
    EXPECT_TRUE(dialog.cmdBuy->isEnabled());
    QTest::keyClick(dialog.cboSilk, Qt::Key_Backspace);
    EXPECT_FALSE(dialog.cmdBuy->isEnabled());
    dialog.maxButton(Good::Arms)->click();
    EXPECT_EQ(dialog.cboArms->currentText(), "60");
    EXPECT_TRUE(dialog.cmdBuy->isEnabled());
    choose(dialog.cboArms, "0");
    EXPECT_EQ(dialog.cboArms->currentText(), "0");
    EXPECT_FALSE(dialog.cmdBuy->isEnabled());
    choose(dialog.cboOpium, "3");
    EXPECT_EQ(dialog.cboOpium->currentText(), "3");
    EXPECT_TRUE(dialog.cmdBuy->isEnabled());
}

// The list is made anew at each drop-down from what the other boxes leave, keeping the typed
// text; Max writes its last entry.
TEST_F(BuyDialog, ListAndMax_ReserveTheOtherBoxesCostAndSpace)
{
    type(dialog.cboOpium, "7");
    EXPECT_EQ(dropDown(dialog.cboOpium).size(), 11); // 0 ... 9, 10
    EXPECT_EQ(dialog.cboOpium->currentText(), "7");
    type(dialog.cboSilk, "10");
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(dialog.cboOpium->currentText(), "7");
    main.state().Cash = 305'000;
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "10", "20", "30", "40", "50"}));
    dialog.cmdMaxOpium->click();
    EXPECT_EQ(dialog.cboOpium->currentText(), "50");
}

// A refusal shows one message and leaves everything as it was; exactly all the cash then buys,
// logging each good in goods order.
TEST_F(BuyDialog, RefusalChangesNothing_AndAllTheCashIsSpentExactly)
{
    main.state().HoldCapacity = 100;
    const char *amounts[] = {"4", "007", "25", "150"};
    for (Good good : AllGoods)
        type(dialog.amountBox(good), amounts[std::size_t(good)]);
    main.state().Cash = 11'500;
    const GameState before = main.state();
    QTest::mouseClick(dialog.cmdBuy, Qt::LeftButton);
    EXPECT_EQ(refusals(), QStringList{"Insufficient Hold   "});
    EXPECT_EQ(main.state(), before);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.cboGeneral->currentText(), "150");

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
