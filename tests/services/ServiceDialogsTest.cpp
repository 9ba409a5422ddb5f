// The services' dialogs driven as a player would: type into the amount boxes, choose a good
// from its list, click the buttons.
#include "AmountDialogs.h"

#include "runtime/MakeNumber.h"
#include "ui/AmountComboBox.h"

#include <Velgauge/ProgressBar.h>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QWheelEvent>

namespace Sardek
{

using namespace Testing;

namespace
{

using Testing::typeAsPlayer;

// $5,000 owed, the lender open, and the player's ways with the services' dialogs.
class ServiceDialogTest : public Testing::HongKongWindowTest
{
  protected:
    ServiceDialogTest()
    {
        main.state().Debt = 5000;
        main.state().MillionaireShown = true; // rich states must not stop for the window
        main.setOrderEnabled(Order::Money, true);
        main.UpdateMainForm();
    }

    // Clicks order, acts on its dialog once open and active (so clicks give focus) and cancels
    // what act leaves open.
    void use(QPushButton *order, const std::function<void(QDialog &)> &act)
    {
        whenDialogOpens([&](QDialog &dialog) {
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            act(dialog);
            if (dialog.isVisible())
                click(dialog, "cmdCancel");
        });
        QTest::mouseClick(order, Qt::LeftButton);
    }

    // The order whose dialog holds the amount box named box.
    QPushButton *orderOf(const QString &box) const
    {
        const int i =
            QStringList{"cboDeposit", "cboWithdraw", "cboBorrow", "cboRepay"}.indexOf(box);
        return i < 0 ? main.cmdTransfer : i < 2 ? main.cmdVisit : main.cmdMoney;
    }

    static void click(QDialog &dialog, const char *button)
    {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }
};

// The cases of a table; rowName names each by its first member.
template <typename Row>
class ServiceTable : public ServiceDialogTest, public ::testing::WithParamInterface<Row>
{
};
const auto rowName = [](const auto &info) { return std::string(info.param.name); };

const auto nearlyFullWarehouse = [](GameState &s) {
    std::tie(s.ShipOpium, s.HoldUsed, s.WarehouseArms) = std::tuple(57, 57, 9990);
};

// An amount box's list as it drops down (beside good, if any), for the state edit makes.
struct AmountList {
    const char *name, *box, *good;
    void (*edit)(GameState &);
    const char *entries;
};

const AmountList Lists[] = {
    {"DepositCash20", "cboDeposit", "", [](GameState &s) { s.Cash = 20; }, "$0 $10 $20"},
    {"WithdrawBank25", "cboWithdraw", "", [](GameState &s) { s.Bank = 25; }, "$0 $10 $20 $25"},
    {"BorrowTwiceCash20", "cboBorrow", "", [](GameState &s) { s.Cash = 20; }, "$0 $10 $20 $30 $40"},
    {"RepayCash400", "cboRepay", "", [](GameState &s) { s.Cash = 400; }, "$0 $100 $200 $300 $400"},
    {"RepayNegativeDebt", "cboRepay", "", [](GameState &s) { s.Debt = -1000; }, "-$1,000"},
    {"ShipOpium25", "cboSAmount", "Opium", [](GameState &s) { s.ShipOpium = 25; }, "0 10 20 25"},
    {"WarehouseNearlyFull", "cboSAmount", "Opium", nearlyFullWarehouse, "0 1 2 3 4 5 6 7 8 9 10"},
    {"Silk300Free45", "cboWAmount", "Silk",
     [](GameState &s) { std::tie(s.WarehouseSilk, s.HoldUsed) = std::pair(300, 15); },
     "0 10 20 30 40 45"},
};

using AmountLists = ServiceTable<AmountList>;

TEST_P(AmountLists, DropDownOffersStepsOfTheBalanceThenTheWhole)
{
    const AmountList &list = GetParam();
    list.edit(main.state());
    main.UpdateMainForm();
    use(orderOf(list.box), [&](QDialog &dialog) {
        if (*list.good)
            choose(control<QComboBox>(dialog, QString(list.box) == "cboSAmount" ? "cboShip"
                                                                                : "cboWarehouse"),
                   list.good);
        auto *amount = control<AmountComboBox>(dialog, list.box);
        typeAsPlayer(amount, QString());
        EXPECT_EQ(dropDown(amount).join(' '), list.entries);
    });
}

INSTANTIATE_TEST_SUITE_P(Services, AmountLists, ::testing::ValuesIn(Lists), rowName);

// An amount typed into the bank's or lender's box, and what OK must make of it.
struct Visit {
    const char *name, *box, *entered;
    bool bug; // Options > Enable Money Lender Bug
    qint64 cash, bank, debt;
    const char *refusal, *logLine; // either or neither
    qint64 cashAfter, bankAfter, debtAfter;
};

const char Funds[] = "Insufficient Funds   ";
const char MaxLoan[] = "Maximum Loan Exceeded (2 x Cash or 100 Million Maximum)   ";
const char Thirty[] = "999999999999999999999999999999";

const Visit Visits[] = {
    {"Deposit", "cboDeposit", "1500", 0, 10000, 0, 0, "", "Deposited $1,500", 8500, 1500, 0},
    {"DepositAll", "cboDeposit", "10000", 0, 10000, 0, 0, "", "Deposited $10,000", 0, 10000, 0},
    {"DepositBeyondCash", "cboDeposit", "10001", 0, 10000, 0, 0, Funds, "", 10000, 0, 0},
    {"WithdrawThirtyDigits", "cboWithdraw", Thirty, 0, 10, 500, 0, Funds, "", 10, 500, 0},
    {"Withdraw", "cboWithdraw", "20000", 0, 1, 20000, 0, "", "Withdrew $20,000", 20001, 0, 0},
    {"Borrow", "cboBorrow", "800", 0, 400, 0, 5000, "", "Borrowed $800", 1200, 0, 5800},
    {"BorrowPastLimit", "cboBorrow", "801", 0, 400, 0, 5000, MaxLoan, "", 400, 0, 5000},
    {"BorrowCeiling", "cboBorrow", "100000000", 0, 60000000, 0, 0, "", "Borrowed $100,000,000",
     160000000, 0, 100000000},
    {"PastCeiling", "cboBorrow", "100000001", 0, 60000000, 0, 0, MaxLoan, "", 60000000, 0, 0},
    {"RepayAll", "cboRepay", "5000", 0, 10000, 0, 5000, "", "Repayed $5,000", 5000, 0, 0},
    {"OverPay", "cboRepay", "6000", 0, 10000, 0, 5000, "Over Payment   ", "", 10000, 0, 5000},
    {"BugOverPay", "cboRepay", "6000", 1, 10000, 0, 5000, "", "Repayed $6,000", 4000, 0, -1000},
    {"CashBeforeOverPay", "cboRepay", "20000", 0, 10000, 0, 5000, Funds, "", 10000, 0, 5000},
};

using BankAndLender = ServiceTable<Visit>;

TEST_P(BankAndLender, OkChecksInOrderLogsAndClosesOnlyWhenDone)
{
    const Visit &v = GetParam();
    main.mnuMoneyItem->setChecked(v.bug);
    GameState &s = main.state();
    std::tie(s.Cash, s.Bank, s.Debt) = std::tuple(v.cash, v.bank, v.debt);
    main.UpdateMainForm();
    const bool refused = *v.refusal;
    use(orderOf(v.box), [&](QDialog &dialog) {
        typeAsPlayer(control<AmountComboBox>(dialog, v.box), v.entered);
        click(dialog, "cmdOK");
        EXPECT_EQ(dialog.isVisible(), refused);
    });
    EXPECT_EQ(refusals(), refused ? QStringList{v.refusal} : QStringList{});
    EXPECT_EQ(logLines(),
              *v.logLine ? QStringList{QString("Jan 15, 1860 - ") + v.logLine} : QStringList{});
    EXPECT_EQ(std::tuple(s.Cash, s.Bank, s.Debt),
              std::tuple(Currency(v.cashAfter), Currency(v.bankAfter), Currency(v.debtAfter)));
    EXPECT_EQ(s.GameSaved, refused);
    EXPECT_EQ(main.cmdMoney->isEnabled(), !QString(v.logLine).contains("Borrowed"))
        << "only a loan closes the lender's door";
}

INSTANTIATE_TEST_SUITE_P(Visits, BankAndLender, ::testing::ValuesIn(Visits), rowName);

using LockingSides = ServiceTable<bool>;

TEST_P(LockingSides, DropDownOrKeyLocksTheOtherSideOnlyAChosenZeroUnlocksIt)
{
    use(GetParam() ? main.cmdVisit : main.cmdMoney, [&](QDialog &dialog) {
        const QList<AmountComboBox *> boxes = dialog.findChildren<AmountComboBox *>();
        const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
        const auto open = [&](int side) {
            return std::pair(boxes[side]->isEnabled(), labels[side]->isEnabled());
        };
        QTest::keyClicks(boxes[1], "7");
        EXPECT_EQ(open(0), std::pair(false, false));
        choose(boxes[1], "$0");
        EXPECT_EQ(open(0), std::pair(true, true));
        dropDown(boxes[0]);
        EXPECT_EQ(open(1), std::pair(false, false));
        QTest::keyClicks(boxes[0], "0");
        choose(boxes[0], boxes[0]->itemText(1));
        EXPECT_EQ(open(1), std::pair(false, false)) << "a typed 0 or an amount keeps the lock";
        choose(boxes[0], "$0");
        EXPECT_EQ(open(1), std::pair(true, true));
        EXPECT_EQ(boxes[1]->currentText(), "$0") << "the locked side keeps its text";
    });
}

INSTANTIATE_TEST_SUITE_P(BankAndLender, LockingSides, ::testing::Bool(),
                         ::testing::PrintToStringParamName());

// A way an amount reaches a closed box without typing.
struct Way {
    const char *name;
    void (*reach)(AmountComboBox *);
};

void wheelDown(AmountComboBox *box)
{
    QWheelEvent turn(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &turn);
}

const Way Ways[] = {
    {"DownTwice",
     [](AmountComboBox *b) {
         QTest::keyClick(b, Qt::Key_Down);
         QTest::keyClick(b, Qt::Key_Down);
     }},
    {"PageDown", [](AmountComboBox *b) { QTest::keyClick(b, Qt::Key_PageDown); }},
    {"WheelTwice",
     [](AmountComboBox *b) {
         wheelDown(b);
         wheelDown(b);
     }},
    {"Paste",
     [](AmountComboBox *b) {
         QApplication::clipboard()->setText(QStringLiteral("$200"));
         QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
         QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
     }},
};

class AnyWayIn : public ServiceDialogTest,
                 public ::testing::WithParamInterface<std::tuple<bool, Way>>
{
};

// "$0" chosen from the first side's list unlocks the second; an amount then reached by any
// way must lock it again, so three presses of OK move money once.
TEST_P(AnyWayIn, AnAmountReachedLocksTheOtherSideSoOkMovesMoneyOnce)
{
    const auto &[bank, way] = GetParam();
    use(bank ? main.cmdVisit : main.cmdMoney, [&](QDialog &dialog) {
        const QList<AmountComboBox *> boxes = dialog.findChildren<AmountComboBox *>();
        typeAsPlayer(boxes[0], QString());
        choose(boxes[0], "$0");
        ASSERT_TRUE(boxes[1]->isEnabled());
        way.reach(boxes[0]);
        EXPECT_NE(MakeNumber(boxes[0]->currentText()), 0) << qPrintable(boxes[0]->currentText());
        EXPECT_FALSE(boxes[1]->isEnabled());
        if (boxes[1]->isEnabled())
            typeAsPlayer(boxes[1], "99999999");
        for (int press = 0; press < 3 && dialog.isVisible(); ++press)
            click(dialog, "cmdOK");
    });
    EXPECT_EQ(logLines().size(), 1) << qPrintable(logLines().join('|'));
    EXPECT_TRUE(refusals().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BankAndLender, AnyWayIn,
                         ::testing::Combine(::testing::Bool(), ::testing::ValuesIn(Ways)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param) ? "Bank" : "Lender") +
                                    std::get<1>(info.param).name;
                         });

// Goods chosen and amounts typed on both sides, and what Transfer must make of them. Every
// move done is of opium: opiumToShip units net.
struct Move {
    const char *name;
    void (*edit)(GameState &);
    const char *shipGood, *toWarehouse, *warehouseGood, *toShip;
    const char *refusal, *log; // log lines joined by "|"
    int opiumToShip;
};

const char Cargo[] = "Insufficient Cargo   ";
const char Hold[] = "Insufficient Hold   ";

const auto fullHold = [](GameState &s) {
    std::tie(s.ShipArms, s.HoldUsed, s.WarehouseOpium) = std::tuple(60, 60, 5);
};

const Move Moves[] = {
    {"BothWaysSameGood", [](GameState &s) { s.ShipOpium = s.HoldUsed = s.WarehouseOpium = 10; },
     "Opium", "007", "Opium", "5", "", "5 Opium to Ship|007 Opium to Warehouse", -2},
    {"HoldCheckedBeforeTheOtherMoveFreesIt",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = s.WarehouseSilk = 100;
         s.HoldCapacity = 150;
     },
     "Opium", "100", "Silk", "100", Hold, "", 0},
    {"WarehouseFillsExactly", nearlyFullWarehouse, "Opium", "10", "Opium", "", "",
     "10 Opium to Warehouse", -10},
    {"WarehouseOverfull", nearlyFullWarehouse, "Opium", "11", "Opium", "",
     "Insufficient Storage Space, Warehouse Limited to 10,000 units   ", "", 0},
    {"FullHoldWarehouseHasIt", fullHold, "Opium", "", "Opium", "5", Hold, "", 0},
    {"FullHoldWarehouseHasNot", fullHold, "Opium", "", "Opium", "6", Cargo, "", 0},
    {"Beyond32Bits", [](GameState &) {}, "Opium", "", "Opium", "4294967296", Cargo, "", 0},
    {"ShipStockOfTheChosenGood", [](GameState &s) { s.ShipSilk = s.HoldUsed = 3; }, "Silk", "4",
     "Opium", "", Cargo, "", 0},
};

using Transfers = ServiceTable<Move>;

TEST_P(Transfers, ChecksTheStateBeforeEitherMoveThenMovesToTheShipFirst)
{
    const Move &m = GetParam();
    m.edit(main.state());
    main.UpdateMainForm();
    GameState expected = main.state();
    use(main.cmdTransfer, [&](QDialog &dialog) {
        // Each good chosen after its amount, which stays.
        typeAsPlayer(control<AmountComboBox>(dialog, "cboSAmount"), m.toWarehouse);
        choose(control<QComboBox>(dialog, "cboShip"), m.shipGood);
        typeAsPlayer(control<AmountComboBox>(dialog, "cboWAmount"), m.toShip);
        choose(control<QComboBox>(dialog, "cboWarehouse"), m.warehouseGood);
        click(dialog, "cmdTransfer");
        EXPECT_EQ(dialog.isVisible(), *m.refusal != 0);
    });
    EXPECT_EQ(refusals(), *m.refusal ? QStringList{m.refusal} : QStringList{});
    QStringList lines = QString(m.log).split('|', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line.prepend("Jan 15, 1860 - Transfered ");
    EXPECT_EQ(logLines(), lines);
    expected.ShipOpium += m.opiumToShip;
    expected.WarehouseOpium -= m.opiumToShip;
    expected.HoldUsed += m.opiumToShip;
    expected.GameSaved = *m.refusal;
    EXPECT_EQ(main.state(), expected);
}

INSTANTIATE_TEST_SUITE_P(Services, Transfers, ::testing::ValuesIn(Moves), rowName);

// The caret left at the log's start is at its end after every order, also after a refusal,
// which logs nothing.
TEST_F(ServiceDialogTest, EveryOrderMovesTheLogCaretToTheEndFirstRefusedOrNot)
{
    std::tie(main.state().CannonPrice, main.state().ShipPrice) = std::pair(99999, 99999);
    const auto caretToStart = [&] {
        QTextCursor caret = main.txtLog->textCursor();
        caret.setPosition(0);
        main.txtLog->setTextCursor(caret);
    };
    for (const auto &[order, button] :
         {std::pair(Order::Cannon, main.cmdCannon), std::pair(Order::Ship, main.cmdShip)}) {
        main.setOrderEnabled(order, true);
        caretToStart();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(main.txtLog->textCursor().atEnd()) << qPrintable(button->objectName());
    }
    for (const char *box : {"cboDeposit", "cboRepay", "cboSAmount"})
        use(orderOf(box), [&](QDialog &dialog) {
            typeAsPlayer(control<AmountComboBox>(dialog, box), "99999999");
            caretToStart();
            click(dialog, QLatin1String(box) == "cboSAmount" ? "cmdTransfer" : "cmdOK");
            EXPECT_TRUE(main.txtLog->textCursor().atEnd()) << box;
        });
    EXPECT_EQ(refusals().size(), 5);
}

TEST_F(ServiceDialogTest, Transfer_EnabledWhileAnAmountIsAboveZero)
{
    main.state().ShipOpium = main.state().HoldUsed = 57;
    use(main.cmdTransfer, [&](QDialog &dialog) {
        auto *transfer = control<QPushButton>(dialog, "cmdTransfer");
        auto *amount = control<AmountComboBox>(dialog, "cboSAmount");
        typeAsPlayer(amount, "5");
        EXPECT_TRUE(transfer->isEnabled());
        typeAsPlayer(amount, "0");
        EXPECT_FALSE(transfer->isEnabled());
        choose(amount, "57");
        EXPECT_TRUE(transfer->isEnabled());
    });
}

// A ship of condition status; the slider moved up by pageUps (5 points each), then button.
struct Repair {
    const char *name;
    qint64 status, cash, capacity;
    int pageUps;
    const char *button;
    qint64 statusAfter, cashAfter;
    const char *log;
};

const Repair RepairCases[] = {
    {"ToTheSlider", 75, 10000, 60, 1, "cmdRepair", 80, 7000, "5% of Ship for $3,000"},
    {"MaxAsFarAsCashGoes", 75, 10000, 60, 0, "cmdRepairMax", 91, 400, "16% of Ship for $9,600"},
    {"MaxStopsAt100", 95, 100000, 60, 0, "cmdRepairMax", 100, 97000, "5% of Ship for $3,000"},
    {"MaxBelowOnePointDoesNothing", 75, 599, 60, 0, "cmdRepairMax", 75, 599, ""},
    {"SliderStaysWhenCashPaysNoPoint", 75, 599, 60, 3, "cmdRepair", 75, 599, ""},
    {"FreeForAShipOfNoCapacity", 75, 0, 0, 9, "cmdRepair", 100, 0, "25% of Ship for $0"},
};

using Repairs = ServiceTable<Repair>;

TEST_P(Repairs, PaysThePriceShownAndLogsIt)
{
    const Repair &r = GetParam();
    GameState &s = main.state();
    std::tie(s.ShipStatus, s.Cash, s.HoldCapacity) = std::tuple(r.status, r.cash, r.capacity);
    main.UpdateMainForm();
    use(main.cmdRepair, [&](QDialog &dialog) {
        for (int i = 0; i < r.pageUps; ++i)
            QTest::keyClick(control<QSlider>(dialog, "sldRepair"), Qt::Key_PageUp);
        click(dialog, r.button);
        EXPECT_EQ(dialog.isVisible(), !*r.log && r.pageUps > 0);
    });
    EXPECT_EQ(std::pair(s.ShipStatus, s.Cash),
              std::pair(Currency(r.statusAfter), Currency(r.cashAfter)));
    EXPECT_EQ(logLines(),
              *r.log ? QStringList{QString("Jan 15, 1860 - Repaired ") + r.log} : QStringList{});
    EXPECT_EQ(s.GameSaved, !*r.log);
    EXPECT_TRUE(refusals().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Services, Repairs, ::testing::ValuesIn(RepairCases), rowName);

TEST_F(ServiceDialogTest, Repair_SliderSpringsBackPreviewsAndCancelShowsTheRealConditionAgain)
{
    GameState &s = main.state();
    std::tie(s.ShipStatus, s.Cash) = std::tuple(75, 1000);
    main.UpdateMainForm();
    use(main.cmdRepair, [&](QDialog &dialog) {
        auto *slider = control<QSlider>(dialog, "sldRepair");
        auto *repair = control<QPushButton>(dialog, "cmdRepair");
        const auto shown = [&] {
            return QStringList{control<QLineEdit>(dialog, "txtStatus")->text(),
                               control<QLineEdit>(dialog, "txtPrice")->text(),
                               main.fraStatus->title(), QString::number(main.prgStatus->value()),
                               repair->isEnabled() ? "on" : "off"};
        };
        QTest::keyClick(slider, Qt::Key_PageUp);
        EXPECT_EQ(shown(), (QStringList{"76%", "$600", "Ship's Status - 76% ", "76", "on"}))
            << "R 600 and $1,000 pay for one point";
        QTest::keyClick(slider, Qt::Key_Home);
        EXPECT_EQ(shown(), (QStringList{"75%", "$0", "Ship's Status - 75% ", "75", "off"}));
        QTest::keyClick(slider, Qt::Key_Right);
    });
    EXPECT_EQ(std::pair(main.fraStatus->title(), main.prgStatus->value()),
              std::pair(QStringLiteral("Ship's Status - 75% "), 75.0));
}

} // namespace

} // namespace Sardek
