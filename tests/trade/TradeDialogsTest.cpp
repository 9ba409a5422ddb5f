// What the Buy and Sell dialogs share, run on both.
#include "TradeDialogFixture.h"

#include "runtime/Twips.h"
#include "trade/frmBuy.h"
#include "trade/frmSell.h"

#include <type_traits>

namespace Sardek
{

// $10,000,000 in cash (the millionaire window already seen), 500 of each good aboard and room
// for 8,000 more: every list holds entries such as "5000" or "500" that a typed 5 could be
// completed to.
template <typename Dialog> class TradeDialogs : public TradeDialogTest
{
  protected:
    TradeDialogs()
    {
        GameState &s = main.state();
        s.Cash = 10'000'000;
        s.MillionaireShown = true;
        s.HoldCapacity = 10'000;
        s.HoldUsed = 2000;
        for (Good good : AllGoods)
            stockOf(s, Place::Ship, good) = 500;
        showActive(dialog);
    }

    static constexpr bool Buying = std::is_same_v<Dialog, frmBuy>;
    Dialog dialog{main};
};

using Dialogs = testing::Types<frmBuy, frmSell>;
TYPED_TEST_SUITE(TradeDialogs, Dialogs);

// Ship chosen, every box at 0, and the trade button (the last) the default but disabled.
TYPED_TEST(TradeDialogs, OpensWithItsCaptions_ShipChosenAndTheTradeButtonDisabled)
{
    TypeParam &d = this->dialog;
    QStringList texts{d.objectName(), d.windowTitle(), d.lblGeneral->text(),
                      d.cboSilk->currentText()};
    for (auto *frame : d.template findChildren<QGroupBox *>())
        texts << frame->objectName() + '=' + frame->title();
    QStringList buttons;
    for (auto *button : d.template findChildren<QPushButton *>())
        buttons << button->text() + (button->isEnabled() ? "" : " (off)");
    if (this->Buying) {
        EXPECT_EQ(texts, QStringList({"frmBuy", "Buy Merchandise", "General:", "0",
                                      "fraGoods=Goods ", "fraDestination=Destination "}));
        EXPECT_EQ(buttons, QStringList({"Max", "Max", "Max", "Max", "Buy (off)"}));
    } else {
        EXPECT_EQ(texts, QStringList({"frmSell", "Sell Merchandise", "General:", "0",
                                      "fraGoods=Goods ", "fraSource=Source "}));
        EXPECT_EQ(buttons,
                  QStringList({"All", "All", "All", "All", "Sell Everything", "Sell (off)"}));
    }
    EXPECT_TRUE(d.optShip->isChecked());
    EXPECT_TRUE(d.template findChildren<QPushButton *>().last()->isDefault());
}

// Switching place sets every box to 0; then what is typed into every box is what is traded.
TYPED_TEST(TradeDialogs, TypingIntoEveryBoxAfterItsListDroppedDown_TradesWhatWasTyped)
{
    for (QRadioButton *option : {this->dialog.optWarehouse, this->dialog.optShip}) {
        for (Good good : AllGoods)
            this->type(this->dialog.amountBox(good), QStringLiteral("1"));
        QTest::mouseClick(option, Qt::LeftButton);
        for (Good good : AllGoods)
            EXPECT_EQ(this->dialog.amountBox(good)->currentText(), "0");
        EXPECT_FALSE(this->dialog.template findChildren<QPushButton *>().last()->isEnabled());
    }
    for (Good good : AllGoods) {
        this->type(this->dialog.amountBox(good), QStringLiteral("5"));
        EXPECT_EQ(this->dialog.amountBox(good)->currentText(), "5") << qPrintable(goodName(good));
    }
    QTest::keyClick(this->dialog.cboGeneral->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(this->dialog.isVisible());
    const QString verb = this->Buying ? "Bought" : "Sold";
    EXPECT_EQ(this->logLines(), (QStringList{"Jan 15, 1860 - " + verb + " 5 Opium @ $1,000 Each",
                                             "Jan 15, 1860 - " + verb + " 5 Silk @ $500 Each",
                                             "Jan 15, 1860 - " + verb + " 5 Arms @ $100 Each",
                                             "Jan 15, 1860 - " + verb + " 5 General @ $10 Each"}));
    EXPECT_EQ(this->main.state().ShipGeneral, this->Buying ? 505 : 495);
}

// There is no Cancel: Esc is dropped like any other non-digit, and the close box leaves.
TYPED_TEST(TradeDialogs, EscKeepsTheDialog_TheCloseBoxLeavesAndRedraws)
{
    this->type(this->dialog.cboArms, QStringLiteral("3"));
    QTest::keyClick(this->dialog.cboArms->lineEdit(), Qt::Key_Escape);
    QTest::keyClick(this->dialog.cmdMaxSilk, Qt::Key_Escape);
    EXPECT_TRUE(this->dialog.isVisible());
    EXPECT_EQ(this->dialog.cboArms->currentText(), "3");

    GameState expected = this->main.state();
    this->dialog.close();
    EXPECT_EQ(this->dialog.result(), QDialog::Rejected);
    expected.NetWorth = 10'000'000;
    EXPECT_EQ(this->main.state(), expected);
    EXPECT_EQ(this->main.windowTitle(), "Sardek - Galley Hand [$10,000,000]");
    EXPECT_TRUE(this->logLines().isEmpty());
}

// Away from Hong Kong the warehouse cannot be chosen.
TYPED_TEST(TradeDialogs, TheOrderOpensItModallyAtItsPlaceOverTheMainWindow)
{
    this->main.state().CurrentPort = QStringLiteral("Shanghai");
    const QPoint offset(twipsToPixels(3400, this->main.logicalDpiX()),
                        twipsToPixels(2910, this->main.logicalDpiY()));
    QPoint at;
    whenDialogOpens([&](QDialog &opening) {
        EXPECT_TRUE(qobject_cast<TypeParam *>(&opening));
        EXPECT_FALSE(opening.findChild<QRadioButton *>("optWarehouse")->isEnabled());
        at = opening.pos() - this->main.frameGeometry().topLeft();
        opening.close();
    });
    QTest::mouseClick(this->Buying ? this->main.cmdBuy : this->main.cmdSell, Qt::LeftButton);
    EXPECT_EQ(at, offset);
}

} // namespace Sardek
