#include "ServiceDialogFixture.h"

namespace Sardek
{

namespace
{

// An amount box's list as it drops down (beside good, if any), for the state edit makes.
struct AmountList {
    const char *name, *box, *good;
    void (*edit)(GameState &);
    const char *entries;
};

const AmountList Lists[] = {
    {"DepositCash1000", "cboDeposit", "", [](GameState &s) { s.Cash = 1000; },
     "$0 $100 $200 $300 $400 $500 $600 $700 $800 $900 $1,000"},
    {"WithdrawBank19999", "cboWithdraw", "", [](GameState &s) { s.Bank = 19999; },
     "$0 $1,000 $2,000 $3,000 $4,000 $5,000 $6,000 $7,000 $8,000 $9,000 $10,000 $11,000 "
     "$12,000 $13,000 $14,000 $15,000 $16,000 $17,000 $18,000 $19,000 $19,999"},
    {"BorrowCash400", "cboBorrow", "", [](GameState &s) { s.Cash = 400; },
     "$0 $100 $200 $300 $400 $500 $600 $700 $800"},
    {"BorrowUpToCeiling", "cboBorrow", "", [](GameState &s) { s.Cash = 75000000; },
     "$0 $10,000,000 $20,000,000 $30,000,000 $40,000,000 $50,000,000 $60,000,000 $70,000,000 "
     "$80,000,000 $90,000,000 $100,000,000"},
    {"RepayCash400", "cboRepay", "", [](GameState &s) { s.Cash = 400; }, "$0 $100 $200 $300 $400"},
    {"RepayNegativeDebt", "cboRepay", "", [](GameState &s) { s.Debt = -1000; }, "-$1,000"},
    {"ShipOpium57", "cboSAmount", "Opium", [](GameState &s) { s.ShipOpium = 57; },
     "0 10 20 30 40 50 57"},
    {"WarehouseNearlyFull", "cboSAmount", "Opium",
     [](GameState &s) { std::tie(s.ShipOpium, s.WarehouseArms) = std::pair(57, 9990); },
     "0 1 2 3 4 5 6 7 8 9 10"},
    {"Silk300Free45", "cboWAmount", "Silk",
     [](GameState &s) { std::tie(s.WarehouseSilk, s.HoldUsed) = std::pair(300, 15); },
     "0 10 20 30 40 45"},
    {"NoCapacity", "cboWAmount", "Opium",
     [](GameState &s) { std::tie(s.WarehouseOpium, s.HoldCapacity) = std::pair(9, 0); }, "0"},
};

} // namespace

class AmountLists : public ServiceDialogTest, public ::testing::WithParamInterface<AmountList>
{
};

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
        type(amount, QString());
        EXPECT_EQ(listOf(amount), list.entries);
        EXPECT_EQ(amount->currentText(), "") << "the list leaves the text alone";
    });
}

INSTANTIATE_TEST_SUITE_P(Services, AmountLists, ::testing::ValuesIn(Lists),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace Sardek
