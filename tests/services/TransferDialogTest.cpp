#include "ServiceDialogFixture.h"

#include "core/Goods.h"

namespace Sardek
{

namespace
{

// Goods chosen and amounts typed on both sides, and what Transfer must make of them.
struct Move {
    const char *name;
    void (*edit)(GameState &);
    const char *shipGood, *toWarehouse, *warehouseGood, *toShip;
    const char *refusal, *log; // log lines joined by "|"
};

const char Cargo[] = "Insufficient Cargo   ";
const char Hold[] = "Insufficient Hold   ";

const auto fullHold = [](GameState &s) {
    std::tie(s.ShipArms, s.HoldUsed, s.WarehouseOpium) = std::tuple(60, 60, 5);
};
const auto nearlyFullWarehouse = [](GameState &s) {
    std::tie(s.ShipOpium, s.HoldUsed, s.WarehouseArms) = std::tuple(57, 57, 9990);
};

const Move Moves[] = {
    {"BothWaysSameGood", [](GameState &s) { s.ShipOpium = s.HoldUsed = s.WarehouseOpium = 10; },
     "Opium", "007", "Opium", "5", "",
     " - Transfered 5 Opium to Ship| - Transfered 007 Opium to Warehouse"},
    {"HoldCheckedBeforeTheOtherMoveFreesIt",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = s.WarehouseSilk = 100;
         s.HoldCapacity = 150;
     },
     "Opium", "100", "Silk", "100", Hold, ""},
    {"WarehouseFillsExactly", nearlyFullWarehouse, "Opium", "10", "Opium", "", "",
     " - Transfered 10 Opium to Warehouse"},
    {"WarehouseOverfull", nearlyFullWarehouse, "Opium", "11", "Opium", "",
     "Insufficient Storage Space, Warehouse Limited to 10,000 units   ", ""},
    {"FullHoldWarehouseHasIt", fullHold, "Opium", "", "Opium", "5", Hold, ""},
    {"FullHoldWarehouseHasNot", fullHold, "Opium", "", "Opium", "6", Cargo, ""},
    {"Beyond32Bits", [](GameState &) {}, "Opium", "", "Opium", "4294967296", Cargo, ""},
    {"ShipStockOfTheChosenGood", [](GameState &s) { s.ShipSilk = s.HoldUsed = 3; }, "Silk", "4",
     "Opium", "", Cargo, ""},
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
    use(main.cmdTransfer, [&](QDialog &dialog) {
        choose(control<QComboBox>(dialog, "cboShip"), m.shipGood);
        type(control<AmountComboBox>(dialog, "cboSAmount"), m.toWarehouse);
        choose(control<QComboBox>(dialog, "cboWarehouse"), m.warehouseGood);
        type(control<AmountComboBox>(dialog, "cboWAmount"), m.toShip);
        click(dialog, "cmdTransfer");
        EXPECT_EQ(dialog.isVisible(), *m.refusal != 0);
    });
    EXPECT_EQ(refusals(), *m.refusal ? QStringList{m.refusal} : QStringList{});
    QStringList expected;
    GameState moved = before; // as the expected lines tell: " - Transfered 007 Opium to Ship"
    moved.GameSaved = *m.refusal;
    for (const QString &line : QString(m.log).split('|', Qt::SkipEmptyParts)) {
        expected << "Jan 15, 1860" + line;
        const QStringList words = line.split(' ');
        const Good good =
            AllGoods[QStringList{"Opium", "Silk", "Arms", "General"}.indexOf(words[4])];
        const Currency units = Currency(words[3].toInt()) * (words[6] == "Ship" ? 1 : -1);
        stockOf(moved, Place::Ship, good) += units;
        stockOf(moved, Place::Warehouse, good) -= units;
        moved.HoldUsed += units;
    }
    EXPECT_EQ(logLines(), expected);
    EXPECT_EQ(main.state(), moved);
}

INSTANTIATE_TEST_SUITE_P(Services, Transfers, ::testing::ValuesIn(Moves),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ServiceDialogTest, Transfer_EnabledWhileAnAmountIsAboveZeroWhateverTheGood)
{
    main.state().ShipOpium = main.state().HoldUsed = 57;
    use(main.cmdTransfer, [&](QDialog &dialog) {
        auto *transfer = control<QPushButton>(dialog, "cmdTransfer");
        auto *amount = control<AmountComboBox>(dialog, "cboSAmount");
        type(amount, "0");
        EXPECT_FALSE(transfer->isEnabled());
        type(amount, "5");
        EXPECT_TRUE(transfer->isEnabled());
        QTest::keyClicks(amount, "\b\b");
        EXPECT_FALSE(transfer->isEnabled());
        choose(amount, "57");
        choose(control<QComboBox>(dialog, "cboShip"), "Arms");
        EXPECT_EQ(amount->currentText(), "57") << "the amount stays when the good changes";
        EXPECT_TRUE(transfer->isEnabled());
        click(dialog, "cmdTransfer");
    });
    EXPECT_EQ(refusals(), QStringList{"Insufficient Cargo   "});
}

} // namespace Sardek
