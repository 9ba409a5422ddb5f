#include "QtPrinters.h"

#include "../trade/TradeStates.h"
#include "services/Bank.h"
#include "services/MoneyLender.h"
#include "services/Repair.h"
#include "services/Transfer.h"
#include "trade/Trade.h"

#include <gtest/gtest.h>

namespace Sardek
{

namespace
{

// A headless visit on a state made by edit (an edited saved game, say): what it must refuse
// and how the record must end up (after is applied to a copy of the state before).
struct Visit {
    const char *name;
    void (*edit)(GameState &);
    ServiceOutcome (*visit)(GameState &);
    const char *refusal;
    void (*after)(GameState &);
};

TypedAmount typed(const char *text)
{
    return TypedAmount(QLatin1String(text));
}

const Visit Visits[] = {
    {"NegativeBankRefusesAnyWithdrawal", [](GameState &s) { s.Bank = -100; },
     [](GameState &s) { return visitBank(s, typed(""), typed("1")); }, "Insufficient Funds   ",
     [](GameState &) {}},
    {"NegativeCashLendsNothing", [](GameState &s) { s.Cash = -500; },
     [](GameState &s) { return visitLender(s, typed("1"), typed(""), true); },
     "Maximum Loan Exceeded (2 x Cash or 100 Million Maximum)   ", [](GameState &) {}},
    {"DepositStaysWhenTheWithdrawalIsRefused", [](GameState &) {},
     [](GameState &s) { return visitBank(s, typed("100"), typed("20000")); },
     "Insufficient Funds   ",
     [](GameState &s) {
         s.Cash = 9900;
         s.Bank = 100;
         s.GameSaved = false;
     }},
    {"LoanStaysWhenTheRepaymentIsRefused", [](GameState &) {},
     [](GameState &s) { return visitLender(s, typed("100"), typed("99999"), true); },
     "Insufficient Funds   ",
     [](GameState &s) {
         s.Cash = 10100;
         s.Debt = 100;
         s.GameSaved = false;
     }},
    {"NoCapacityRefusesAnyCargoToTheShip",
     [](GameState &s) {
         s.HoldCapacity = 0;
         s.WarehouseOpium = 5;
     },
     [](GameState &s) {
         return transferCargo(s, {Good::Opium, typed(""), Good::Opium, typed("1")});
     },
     "Insufficient Hold   ", [](GameState &) {}},
    {"NegativeCapacityRepairsFree",
     [](GameState &s) {
         s.HoldCapacity = -60;
         s.ShipStatus = 40;
     },
     repairMax, "",
     [](GameState &s) {
         s.ShipStatus = 100;
         s.GameSaved = false;
     }},
    {"AShipAbove100IsNotPaidForRepairMax", [](GameState &s) { s.ShipStatus = 150; }, repairMax, "",
     [](GameState &) {}},
    {"ATargetBelowTheConditionChangesNothing", [](GameState &s) { s.ShipStatus = 75; },
     [](GameState &s) { return repairTo(s, 50); }, "", [](GameState &) {}},
    {"APriceAboveCashIsRefused",
     [](GameState &s) {
         s.ShipStatus = 75;
         s.Cash = 599;
     },
     [](GameState &s) { return repairTo(s, 76); }, "Insufficient Funds   ", [](GameState &) {}},
};

} // namespace

class HeadlessVisits : public ::testing::TestWithParam<Visit>
{
};

TEST_P(HeadlessVisits, RefuseWithTheCheckAndKeepTheRecordSound)
{
    const Visit &v = GetParam();
    GameState state = Testing::tradingState();
    v.edit(state);
    GameState expected = state;
    v.after(expected);
    const ServiceOutcome outcome = v.visit(state);
    EXPECT_EQ(outcome.refusal.value_or(QString()), QLatin1String(v.refusal));
    EXPECT_EQ(state, expected);
}

INSTANTIATE_TEST_SUITE_P(Services, HeadlessVisits, ::testing::ValuesIn(Visits),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RepairLimits, NoCapacityAndNoCashNeitherDividesByZeroNorSticks)
{
    GameState state = Testing::tradingState();
    state.HoldCapacity = 0;
    state.Cash = 0;
    state.ShipStatus = 30;
    EXPECT_EQ(repairTarget(state, 100), 100);
    EXPECT_EQ(repairTarget(state, 10), 30);
    EXPECT_EQ(repairPrice(state, 100), Currency(0));
}

} // namespace Sardek
