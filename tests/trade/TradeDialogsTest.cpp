// The Buy and Sell dialogs driven through their controls, each alone and both alike.
#include "AmountDialogs.h"

#include "trade/frmBuy.h"
#include "trade/frmSell.h"
#include "ui/AmountComboBox.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>
#include <type_traits>
#include <vector>

namespace Sardek
{

using namespace Testing;

using Testing::typeAsPlayer;

// The dialog shown as the active window, so clicks give focus as on a desktop. It reads the
// state as it is used, so fixtures may change the state once it is open.
template <typename Dialog> class TradeDialogTest : public Testing::HongKongWindowTest
{
  protected:
    TradeDialogTest()
    {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    static constexpr bool Buying = std::is_same_v<Dialog, frmBuy>;
    Dialog dialog{main};
};

using BuyDialog = TradeDialogTest<frmBuy>;

// Every way an amount changes (keys, Backspace, Max, the list) updates whether Buy is enabled.
TEST_F(BuyDialog, EveryChangeUpdatesBuy_ListAndMaxReserveTheOtherBoxes_RefusalChangesNothing)
{
    typeAsPlayer(dialog.cboSilk, "000");
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

    // The list is made anew at each drop-down from what the other boxes leave, keeping the
    // typed text; Max writes its last entry.
    typeAsPlayer(dialog.cboOpium, "7");
    EXPECT_EQ(dropDown(dialog.cboOpium).size(), 11); // 0 ... 9, 10
    EXPECT_EQ(dialog.cboOpium->currentText(), "7");
    typeAsPlayer(dialog.cboSilk, "10");
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(dialog.cboOpium->currentText(), "7");
    dialog.cmdMaxOpium->click();
    EXPECT_EQ(dialog.cboOpium->currentText(), "5");

    // All the cash is spent: one more unit is refused with one message, changing nothing, the
    // dialog and its text included.
    typeAsPlayer(dialog.cboGeneral, "1");
    const GameState before = main.state();
    QTest::mouseClick(dialog.cmdBuy, Qt::LeftButton);
    EXPECT_EQ(refusals(), QStringList{"Insufficient Funds   "});
    EXPECT_EQ(main.state(), before);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.cboGeneral->currentText(), "1");
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

// A ship with 2 cannons, 20 Opium and 5 Arms; 7 Silk in the warehouse.
class SellDialog : public TradeDialogTest<frmSell>
{
  protected:
    SellDialog()
    {
        GameState &s = main.state();
        std::tie(s.Cannons, s.ShipOpium, s.ShipArms, s.HoldUsed, s.WarehouseSilk) =
            std::tuple(2, 20, 5, 45, 7);
    }
};

// The lists and All offer the source's stock whatever the cash and the other boxes, and All on
// an empty stock keeps the box's text. An edited saved game can hold a fraction of a unit: the
// list, All and Sell Everything take the whole part, which the box can hold.
TEST_F(SellDialog, FromTheShip_ListsAllAndSellEverythingTakeTheWholeUnitsOfTheStock)
{
    main.state().ShipOpium = Currency::fromRaw(20'5000);
    main.state().Cash = 0;
    typeAsPlayer(dialog.cboArms, "999");
    EXPECT_EQ(dropDown(dialog.cboOpium), (QStringList{"0", "10", "20"}));
    dialog.cmdMaxOpium->click();
    EXPECT_EQ(dialog.cboOpium->currentText(), "20");
    typeAsPlayer(dialog.cboSilk, "3");
    dialog.cmdMaxSilk->click();
    EXPECT_EQ(dialog.cboSilk->currentText(), "3");

    typeAsPlayer(dialog.cboOpium, "1");
    QTest::mouseClick(dialog.cmdSellAll, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    const GameState &s = main.state();
    EXPECT_EQ(std::vector<Currency>({s.ShipOpium, s.ShipArms, s.HoldUsed, s.WarehouseSilk, s.Cash}),
              std::vector<Currency>({Currency::fromRaw(5000), 0, 20, 7, 20'000 + 500}));
    EXPECT_EQ(logLines(), (QStringList{"Jan 15, 1860 - Sold 20 Opium @ $1,000 Each",
                                       "Jan 15, 1860 - Sold 5 Arms @ $100 Each"}));
}

// Sell Everything sells even while Sell is disabled: from an empty source it only marks the game
// changed.
TEST_F(SellDialog, FromTheWarehouse_ListsItsStock_AndSellingEverythingOfNothingMarksAChange)
{
    QTest::mouseClick(dialog.optWarehouse, Qt::LeftButton);
    EXPECT_EQ(dropDown(dialog.cboOpium), QStringList{"0"});
    EXPECT_EQ(dropDown(dialog.cboSilk), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    main.state().WarehouseSilk = 0;
    GameState expected = main.state();
    ASSERT_FALSE(dialog.cmdSell->isEnabled());
    QTest::mouseClick(dialog.cmdSellAll, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    expected.GameSaved = false;
    expected.NetWorth = 10'000;
    EXPECT_EQ(main.state(), expected);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

// $10,000,000 in cash (the millionaire window already seen), 500 of each good aboard and room
// for 8,000 more: every list holds entries such as "5000" or "500" that a typed 5 could be
// completed to.
template <typename Dialog> class TradeDialogs : public TradeDialogTest<Dialog>
{
  protected:
    TradeDialogs()
    {
        GameState &s = this->main.state();
        std::tie(s.Cash, s.HoldCapacity, s.HoldUsed) = std::tuple(10'000'000, 10'000, 2000);
        s.MillionaireShown = true;
        for (Good good : AllGoods)
            stockOf(s, Place::Ship, good) = 500;
    }
};

using Dialogs = testing::Types<frmBuy, frmSell>;
TYPED_TEST_SUITE(TradeDialogs, Dialogs);

// Ship chosen, every box at 0, and the trade button (the last) the default but disabled.
TYPED_TEST(TradeDialogs, OpensWithItsCaptions_ShipChosenAndTheTradeButtonDisabled)
{
    TypeParam &d = this->dialog;
    QStringList shown{d.objectName(), d.windowTitle(), d.lblGeneral->text(),
                      d.cboSilk->currentText()};
    for (auto *frame : d.template findChildren<QGroupBox *>())
        shown << frame->objectName() + '=' + frame->title();
    for (auto *button : d.template findChildren<QPushButton *>())
        shown << button->text() + (button->isEnabled() ? "" : " (off)");
    EXPECT_EQ(shown, this->Buying
                         ? QStringList({"frmBuy", "Buy Merchandise", "General:", "0",
                                        "fraGoods=Goods ", "fraDestination=Destination ", "Max",
                                        "Max", "Max", "Max", "Buy (off)"})
                         : QStringList({"frmSell", "Sell Merchandise", "General:", "0",
                                        "fraGoods=Goods ", "fraSource=Source ", "All", "All", "All",
                                        "All", "Sell Everything", "Sell (off)"}));
    EXPECT_TRUE(d.optShip->isChecked());
    EXPECT_TRUE(d.template findChildren<QPushButton *>().last()->isDefault());
}

// Switching place sets every box to 0; then what is typed into every box is what is traded.
// Sell logs the Opium box's text as typed, Buy the number read from it.
TYPED_TEST(TradeDialogs, TypingIntoEveryBoxAfterItsListDroppedDown_TradesWhatWasTyped)
{
    TypeParam &d = this->dialog;
    for (QRadioButton *option : {d.optWarehouse, d.optShip}) {
        for (Good good : AllGoods)
            typeAsPlayer(d.amountBox(good), QStringLiteral("1"));
        QTest::mouseClick(option, Qt::LeftButton);
        for (Good good : AllGoods)
            EXPECT_EQ(d.amountBox(good)->currentText(), "0");
        EXPECT_FALSE(d.template findChildren<QPushButton *>().last()->isEnabled());
    }
    for (Good good : AllGoods)
        typeAsPlayer(d.amountBox(good), good == Good::Opium ? "05" : "5");
    QTest::keyClick(d.cboGeneral->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    const QString done = this->Buying ? "Jan 15, 1860 - Bought " : "Jan 15, 1860 - Sold ";
    EXPECT_EQ(this->logLines(),
              (QStringList{done + (this->Buying ? "5" : "05") + " Opium @ $1,000 Each",
                           done + "5 Silk @ $500 Each", done + "5 Arms @ $100 Each",
                           done + "5 General @ $10 Each"}));
    EXPECT_EQ(this->main.state().ShipGeneral, this->Buying ? 505 : 495);
    EXPECT_EQ(this->main.windowTitle(), this->Buying ? "Sardek - Galley Hand [$9,991,950]"
                                                     : "Sardek - Galley Hand [$10,008,050]");
}

// The order opens the dialog modally at its place over the main window, the warehouse disabled
// away from Hong Kong. There is no Cancel: Esc is dropped like any other non-digit, and the
// close box leaves, redrawing the main window.
TYPED_TEST(TradeDialogs, TheOrderOpensItInPlace_EscKeepsIt_TheCloseBoxLeavesAndRedraws)
{
    this->main.state().CurrentPort = QStringLiteral("Shanghai");
    GameState expected = this->main.state();
    expected.NetWorth = 10'000'000;
    QPoint at;
    whenDialogOpens([&](QDialog &opening) {
        auto *d = qobject_cast<TypeParam *>(&opening);
        ASSERT_TRUE(d);
        EXPECT_FALSE(d->optWarehouse->isEnabled());
        at = d->pos() - this->main.frameGeometry().topLeft();
        QTest::keyClicks(d->cboOpium->lineEdit(), "3"); // over the text selected on opening
        QTest::keyClick(d->cboOpium->lineEdit(), Qt::Key_Escape);
        QTest::keyClick(d->cmdMaxSilk, Qt::Key_Escape);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->cboOpium->currentText(), "3");
        d->close();
    });
    QTest::mouseClick(this->Buying ? this->main.cmdBuy : this->main.cmdSell, Qt::LeftButton);
    EXPECT_EQ(at, QPoint(twipsToPixels(3400, this->main.logicalDpiX()),
                         twipsToPixels(2910, this->main.logicalDpiY())));
    EXPECT_EQ(this->main.state(), expected);
    EXPECT_EQ(this->main.windowTitle(), "Sardek - Galley Hand [$10,000,000]");
    EXPECT_TRUE(this->logLines().isEmpty());
}

} // namespace Sardek
