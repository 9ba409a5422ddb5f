#include "ServiceDialogFixture.h"

#include <QLabel>

namespace Sardek
{

namespace
{

// What the player does in the bank or lender dialog, and what must come of it.
struct Visit {
    const char *name;
    Order order; // Visit or Money
    const char *box;
    const char *entered;
    bool pasted; // through the context menu, else typed
    bool bug;    // Options > Enable Money Lender Bug
    qint64 cash, bank, debt;
    const char *refusal; // empty: the visit completes
    const char *logLine;
    qint64 cashAfter, bankAfter, debtAfter;
};

const char Funds[] = "Insufficient Funds   ";
const char MaxLoan[] = "Maximum Loan Exceeded (2 x Cash or 100 Million Maximum)   ";
const char Thirty[] = "999999999999999999999999999999";

const Visit Visits[] = {
    {"BothEmpty", Order::Visit, "cboDeposit", "", false, false, 10000, 0, 0, "", "", 10000, 0, 0},
    {"Deposit", Order::Visit, "cboDeposit", "1500", false, false, 10000, 0, 0, "",
     " - Deposited $1,500", 8500, 1500, 0},
    {"DepositAll", Order::Visit, "cboDeposit", "10000", false, false, 10000, 0, 0, "",
     " - Deposited $10,000", 0, 10000, 0},
    {"DepositBeyondCash", Order::Visit, "cboDeposit", "10001", false, false, 10000, 0, 0, Funds, "",
     10000, 0, 0},
    {"WithdrawThirtyDigits", Order::Visit, "cboWithdraw", Thirty, false, false, 10, 500, 0, Funds,
     "", 10, 500, 0},
    {"WithdrawPastedLetters", Order::Visit, "cboWithdraw", "x9y99999999999999999999z", true, false,
     10, 500, 0, Funds, "", 10, 500, 0},
    {"Withdraw", Order::Visit, "cboWithdraw", "20000", false, false, 1, 20000, 0, "",
     " - Withdrew $20,000", 20001, 0, 0},
    {"BorrowLimit", Order::Money, "cboBorrow", "800", false, false, 400, 0, 5000, "",
     " - Borrowed $800", 1200, 0, 5800},
    {"BorrowPastLimit", Order::Money, "cboBorrow", "801", false, false, 400, 0, 5000, MaxLoan, "",
     400, 0, 5000},
    {"BorrowCeiling", Order::Money, "cboBorrow", "100000000", false, false, 60000000, 0, 0, "",
     " - Borrowed $100,000,000", 160000000, 0, 100000000},
    {"BorrowPastCeiling", Order::Money, "cboBorrow", "100000001", false, false, 60000000, 0, 0,
     MaxLoan, "", 60000000, 0, 0},
    {"BorrowWithoutCash", Order::Money, "cboBorrow", "1", false, false, 0, 0, 0, MaxLoan, "", 0, 0,
     0},
    {"BorrowPastMoneyType", Order::Money, "cboBorrow", Thirty, true, false, 400, 0, 0, MaxLoan, "",
     400, 0, 0},
    {"RepayAll", Order::Money, "cboRepay", "5000", false, false, 10000, 0, 5000, "",
     " - Repayed $5,000", 5000, 0, 0},
    {"OverPay", Order::Money, "cboRepay", "6000", false, false, 10000, 0, 5000, "Over Payment   ",
     "", 10000, 0, 5000},
    {"OverPayWithBug", Order::Money, "cboRepay", "6000", false, true, 10000, 0, 5000, "",
     " - Repayed $6,000", 4000, 0, -1000},
    {"RepayBeyondCashFirst", Order::Money, "cboRepay", "20000", false, false, 10000, 0, 5000, Funds,
     "", 10000, 0, 5000},
};

} // namespace

class BankAndLender : public ServiceDialogTest, public ::testing::WithParamInterface<Visit>
{
};

TEST_P(BankAndLender, OkChecksInOrderLogsAndClosesOnlyWhenDone)
{
    const Visit &v = GetParam();
    main.mnuMoneyItem->setChecked(v.bug);
    GameState &s = main.state();
    std::tie(s.Cash, s.Bank, s.Debt) = std::tuple(v.cash, v.bank, v.debt);
    main.UpdateMainForm();
    const bool refused = *v.refusal != '\0';
    use(v.order == Order::Visit ? main.cmdVisit : main.cmdMoney, [&](QDialog &dialog) {
        AmountComboBox *amount = box(dialog, v.box);
        v.pasted ? pasteFromMenu(amount, QLatin1String(v.entered))
                 : type(amount, QLatin1String(v.entered));
        click(dialog, "cmdOK");
        EXPECT_EQ(dialog.isVisible(), refused);
    });
    EXPECT_EQ(refusals(), refused ? QStringList{v.refusal} : QStringList{});
    EXPECT_EQ(logLines(),
              *v.logLine ? QStringList{"Jan 15, 1860" + QString(v.logLine)} : QStringList{});
    EXPECT_EQ(std::tuple(s.Cash, s.Bank, s.Debt),
              std::tuple(Currency(v.cashAfter), Currency(v.bankAfter), Currency(v.debtAfter)));
    EXPECT_EQ(s.GameSaved, refused);
    // Only a loan closes the lender's door.
    EXPECT_EQ(main.cmdMoney->isEnabled(), !QString(v.logLine).contains("Borrowed"));
}

INSTANTIATE_TEST_SUITE_P(Visits, BankAndLender, ::testing::ValuesIn(Visits),
                         [](const auto &info) { return std::string(info.param.name); });

// The two dialogs share one pair of sides that lock each other.
class LockingSides : public ServiceDialogTest, public ::testing::WithParamInterface<Order>
{
};

TEST_P(LockingSides, DropDownOrKeyLocksTheOtherSideOnlyAChosenZeroUnlocksIt)
{
    const bool bank = GetParam() == Order::Visit;
    use(bank ? main.cmdVisit : main.cmdMoney, [&](QDialog &dialog) {
        const QList<AmountComboBox *> boxes = dialog.findChildren<AmountComboBox *>();
        const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
        ASSERT_EQ(boxes.size(), 2);
        const auto open = [&](int side) {
            return boxes[side]->isEnabled() && labels[side]->isEnabled();
        };
        QTest::keyClicks(boxes[1], "7");
        EXPECT_EQ(std::pair(open(0), open(1)), std::pair(false, true));
        choose(boxes[1], "$0");
        EXPECT_TRUE(open(0));
        listOf(boxes[0]);
        EXPECT_EQ(std::pair(open(0), open(1)), std::pair(true, false));
        QTest::keyClicks(boxes[0], "0");
        choose(boxes[0], boxes[0]->itemText(1));
        EXPECT_FALSE(open(1)) << "typing or choosing a non-zero amount keeps the lock";
        choose(boxes[0], "$0");
        EXPECT_TRUE(open(1));
        EXPECT_EQ(boxes[1]->currentText(), "$0") << "the locked side keeps its text";
    });
}

INSTANTIATE_TEST_SUITE_P(BankAndLender, LockingSides,
                         ::testing::Values(Order::Visit, Order::Money));

} // namespace Sardek
