#include "ServiceDialogFixture.h"

namespace Sardek
{

namespace
{

// One press of Transfer: goods chosen and amounts typed on each side, and what comes of it.
struct Move {
    const char *name;
    void (*edit)(GameState &);
    const char *shipGood, *toWarehouse, *warehouseGood, *toShip;
    const char *refusal;
    const char *log; // lines joined by "|"
};

const char Cargo[] = "Insufficient Cargo   ";
const char Hold[] = "Insufficient Hold   ";

void fullHold(GameState &s)
{
    s.ShipArms = s.HoldUsed = 60;
    s.WarehouseOpium = 5;
}

const Move Moves[] = {
    {"BothWaysSameGood",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = 10;
         s.WarehouseOpium = 5;
     },
     "Opium", "007", "Opium", "5", "",
     " - Transfered 5 Opium to Ship| - Transfered 007 Opium to Warehouse"},
    {"HoldCheckedBeforeTheMoveFreesIt",
     [](GameState &s) {
         s.ShipOpium = 100;
         s.HoldUsed = 100;
         s.HoldCapacity = 150;
         s.WarehouseSilk = 100;
     },
     "Opium", "100", "Silk", "100", Hold, ""},
    {"WarehouseFillsExactly",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = 57;
         s.WarehouseArms = 9990;
     },
     "Opium", "10", "Opium", "", "", " - Transfered 10 Opium to Warehouse"},
    {"WarehouseOverfull",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = 57;
         s.WarehouseArms = 9990;
     },
     "Opium", "11", "Opium", "", "Insufficient Storage Space, Warehouse Limited to 10,000 units   ",
     ""},
    {"FullHoldWarehouseHasIt", fullHold, "Opium", "", "Opium", "5", Hold, ""},
    {"FullHoldWarehouseHasNot", fullHold, "Opium", "", "Opium", "6", Cargo, ""},
    {"Beyond32Bits", [](GameState &) {}, "Opium", "", "Opium", "4294967296", Cargo, ""},
    {"BeyondMoneyType", [](GameState &) {}, "Opium", "999999999999999999999999999999", "Silk", "",
     Cargo, ""},
    {"ShipStockChecked", [](GameState &s) { s.ShipSilk = s.HoldUsed = 3; }, "Silk", "4", "Opium",
     "", Cargo, ""},
};

} // namespace

class Transfers : public ServiceDialogTest, public ::testing::WithParamInterface<Move>
{
};

TEST_P(Transfers, ChecksTheStateBeforeEitherMoveThenMovesToTheShipFirst)
{
    const Move &m = GetParam();
    m.edit(main.state());
    main.UpdateMainForm();
    const GameState before = main.state();
    const bool refused = *m.refusal != '\0';
    use(main.cmdTransfer, [&](QDialog &dialog) {
        choose(control<QComboBox>(dialog, "cboShip"), QLatin1String(m.shipGood));
        type(box(dialog, "cboSAmount"), QLatin1String(m.toWarehouse));
        choose(control<QComboBox>(dialog, "cboWarehouse"), QLatin1String(m.warehouseGood));
        type(box(dialog, "cboWAmount"), QLatin1String(m.toShip));
        click(dialog, "cmdTransfer");
        EXPECT_EQ(dialog.isVisible(), refused);
    });
    EXPECT_EQ(refusals(), refused ? QStringList{m.refusal} : QStringList{});
    QStringList expected;
    for (const QString &line : QString(m.log).split('|', Qt::SkipEmptyParts))
        expected << "Jan 15, 1860" + line;
    EXPECT_EQ(logLines(), expected);
    if (refused) {
        EXPECT_EQ(main.state(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Services, Transfers, ::testing::ValuesIn(Moves),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ServiceDialogTest, Transfer_EnabledWhileAnAmountIsAboveZeroAndKeepsItAcrossGoods)
{
    main.state().ShipOpium = main.state().HoldUsed = 57;
    use(main.cmdTransfer, [&](QDialog &dialog) {
        auto *transfer = control<QPushButton>(dialog, "cmdTransfer");
        AmountComboBox *amount = box(dialog, "cboSAmount");
        type(amount, "0");
        EXPECT_FALSE(transfer->isEnabled());
        type(amount, "5");
        EXPECT_TRUE(transfer->isEnabled());
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClick(amount, Qt::Key_Backspace);
        EXPECT_FALSE(transfer->isEnabled());
        choose(amount, "57");
        EXPECT_TRUE(transfer->isEnabled());
        choose(control<QComboBox>(dialog, "cboShip"), "Arms");
        EXPECT_EQ(amount->currentText(), "57");
        snap("transfer.png");
        click(dialog, "cmdTransfer");
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_EQ(refusals(), QStringList{"Insufficient Cargo   "});
}

} // namespace Sardek
