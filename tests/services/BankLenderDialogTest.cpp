#include "ServiceDialogFixture.h"

#include <QLabel>

namespace Sardek
{

namespace
{

// An amount typed (or pasted through the context menu) into the bank's or lender's box, and
// what OK must make of it.
struct Visit {
    const char *name;
    const char *box, *entered;
    bool pasted, bug; // bug: Options > Enable Money Lender Bug
    qint64 cash, bank, debt;
    const char *refusal, *logLine; // either or neither
    qint64 cashAfter, bankAfter, debtAfter;
};

const char Funds[] = "Insufficient Funds   ";
const char MaxLoan[] = "Maximum Loan Exceeded (2 x Cash or 100 Million Maximum)   ";
const char Thirty[] = "999999999999999999999999999999";

const Visit Visits[] = {
    {"BothEmpty", "cboDeposit", "", false, false, 10000, 0, 0, "", "", 10000, 0, 0},
    {"Deposit", "cboDeposit", "1500", 0, 0, 10000, 0, 0, "", "Deposited $1,500", 8500, 1500, 0},
    {"DepositAll", "cboDeposit", "10000", 0, 0, 10000, 0, 0, "", "Deposited $10,000", 0, 10000, 0},
    {"DepositBeyondCash", "cboDeposit", "10001", 0, 0, 10000, 0, 0, Funds, "", 10000, 0, 0},
    {"WithdrawThirtyDigits", "cboWithdraw", Thirty, 0, 0, 10, 500, 0, Funds, "", 10, 500, 0},
    {"PastedLetters", "cboWithdraw", "x9y99999999999999999999z", 1, 0, 10, 500, 0, Funds, "", 10,
     500, 0},
    {"Withdraw", "cboWithdraw", "20000", 0, 0, 1, 20000, 0, "", "Withdrew $20,000", 20001, 0, 0},
    {"Borrow", "cboBorrow", "800", 0, 0, 400, 0, 5000, "", "Borrowed $800", 1200, 0, 5800},
    {"BorrowPastLimit", "cboBorrow", "801", 0, 0, 400, 0, 5000, MaxLoan, "", 400, 0, 5000},
    {"BorrowCeiling", "cboBorrow", "100000000", 0, 0, 60000000, 0, 0, "", "Borrowed $100,000,000",
     160000000, 0, 100000000},
    {"PastCeiling", "cboBorrow", "100000001", 0, 0, 60000000, 0, 0, MaxLoan, "", 60000000, 0, 0},
    {"BorrowPastMoneyType", "cboBorrow", Thirty, 1, 0, 400, 0, 0, MaxLoan, "", 400, 0, 0},
    {"RepayAll", "cboRepay", "5000", 0, 0, 10000, 0, 5000, "", "Repayed $5,000", 5000, 0, 0},
    {"OverPay", "cboRepay", "6000", 0, 0, 10000, 0, 5000, "Over Payment   ", "", 10000, 0, 5000},
    {"BugOverPay", "cboRepay", "6000", 0, 1, 10000, 0, 5000, "", "Repayed $6,000", 4000, 0, -1000},
    {"CashBeforeOverPay", "cboRepay", "20000", 0, 0, 10000, 0, 5000, Funds, "", 10000, 0, 5000},
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
    const bool refused = *v.refusal;
    use(orderOf(v.box), [&](QDialog &dialog) {
        auto *amount = control<AmountComboBox>(dialog, v.box);
        v.pasted ? pasteFromMenu(amount, v.entered) : type(amount, v.entered);
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

INSTANTIATE_TEST_SUITE_P(Visits, BankAndLender, ::testing::ValuesIn(Visits),
                         [](const auto &info) { return std::string(info.param.name); });

class LockingSides : public ServiceDialogTest, public ::testing::WithParamInterface<bool>
{
};

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
        listOf(boxes[0]);
        EXPECT_EQ(open(1), std::pair(false, false));
        QTest::keyClicks(boxes[0], "0");
        choose(boxes[0], boxes[0]->itemText(1));
        EXPECT_EQ(open(1), std::pair(false, false)) << "a typed 0 or an amount keeps the lock";
        choose(boxes[0], "$0");
        EXPECT_EQ(open(1), std::pair(true, true));
        EXPECT_EQ(boxes[1]->currentText(), "$0") << "the locked side keeps its text";
    });
}

INSTANTIATE_TEST_SUITE_P(BankAndLender, LockingSides, ::testing::Bool());

} // namespace Sardek
