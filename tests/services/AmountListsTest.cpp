#include "ServiceDialogFixture.h"

namespace Sardek
{

namespace
{

// An amount box's list as it drops down, for a state made by edit.
struct AmountList {
    const char *name;
    Order order;
    const char *box;
    const char *goods; // the goods box beside it, or null
    const char *good;
    void (*edit)(GameState &);
    const char *entries;
};

const AmountList Lists[] = {
    {"DepositCash1000", Order::Visit, "cboDeposit", nullptr, "",
     [](GameState &s) { s.Cash = 1000; }, "$0 $100 $200 $300 $400 $500 $600 $700 $800 $900 $1,000"},
    {"DepositNoCash", Order::Visit, "cboDeposit", nullptr, "", [](GameState &s) { s.Cash = 0; },
     "$0"},
    {"WithdrawBank19999", Order::Visit, "cboWithdraw", nullptr, "",
     [](GameState &s) { s.Bank = 19999; },
     "$0 $1,000 $2,000 $3,000 $4,000 $5,000 $6,000 $7,000 $8,000 $9,000 $10,000 $11,000 "
     "$12,000 $13,000 $14,000 $15,000 $16,000 $17,000 $18,000 $19,000 $19,999"},
    {"WithdrawNegativeBank", Order::Visit, "cboWithdraw", nullptr, "",
     [](GameState &s) { s.Bank = -250; }, "-$250"},
    {"BorrowCash400", Order::Money, "cboBorrow", nullptr, "", [](GameState &s) { s.Cash = 400; },
     "$0 $100 $200 $300 $400 $500 $600 $700 $800"},
    {"BorrowUpToCeiling", Order::Money, "cboBorrow", nullptr, "",
     [](GameState &s) { s.Cash = 75000000; },
     "$0 $10,000,000 $20,000,000 $30,000,000 $40,000,000 $50,000,000 $60,000,000 $70,000,000 "
     "$80,000,000 $90,000,000 $100,000,000"},
    {"RepayCash400", Order::Money, "cboRepay", nullptr, "", [](GameState &s) { s.Cash = 400; },
     "$0 $100 $200 $300 $400"},
    {"RepayNegativeDebt", Order::Money, "cboRepay", nullptr, "",
     [](GameState &s) { s.Debt = -1000; }, "-$1,000"},
    {"ShipOpium57", Order::Transfer, "cboSAmount", "cboShip", "Opium",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = 57;
         s.HoldCapacity = 100;
     },
     "0 10 20 30 40 50 57"},
    {"WarehouseNearlyFull", Order::Transfer, "cboSAmount", "cboShip", "Opium",
     [](GameState &s) {
         s.ShipOpium = s.HoldUsed = 57;
         s.WarehouseArms = 9990;
     },
     "0 1 2 3 4 5 6 7 8 9 10"},
    {"Silk300Free45", Order::Transfer, "cboWAmount", "cboWarehouse", "Silk",
     [](GameState &s) {
         s.WarehouseSilk = 300;
         s.HoldUsed = s.ShipArms = 15;
     },
     "0 10 20 30 40 45"},
    {"HoldFull", Order::Transfer, "cboWAmount", "cboWarehouse", "Opium",
     [](GameState &s) {
         s.WarehouseOpium = 9;
         s.HoldUsed = s.ShipArms = 60;
     },
     "0"},
    {"CapacityZero", Order::Transfer, "cboWAmount", "cboWarehouse", "Opium",
     [](GameState &s) {
         s.WarehouseOpium = 9;
         s.HoldCapacity = 0;
         s.HoldUsed = s.Cannons = 0;
     },
     "0"},
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
    QPushButton *order = list.order == Order::Visit   ? main.cmdVisit
                         : list.order == Order::Money ? main.cmdMoney
                                                      : main.cmdTransfer;
    use(order, [&](QDialog &dialog) {
        if (list.goods)
            choose(control<QComboBox>(dialog, list.goods), QLatin1String(list.good));
        type(box(dialog, list.box), QString());
        EXPECT_EQ(listOf(box(dialog, list.box)), QLatin1String(list.entries));
        EXPECT_EQ(box(dialog, list.box)->currentText(), "") << "the list leaves the text alone";
    });
}

INSTANTIATE_TEST_SUITE_P(Services, AmountLists, ::testing::ValuesIn(Lists),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace Sardek
