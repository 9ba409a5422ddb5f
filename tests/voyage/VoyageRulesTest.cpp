#include "VoyageTestSupport.h"

#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include "voyage/Ports.h"
#include "voyage/Voyage.h"

#include <gtest/gtest.h>

#include <functional>

namespace Sardek
{

using namespace Testing;

namespace
{

const QString Departure = QStringLiteral("\r\nJan 15, 1860 - Departing Hong Kong");
const QString Dots = QString(25, QLatin1Char('.'));

} // namespace

class VoyageRules : public ::testing::Test
{
  protected:
    // Runs one Depart on exactly script's draws.
    void depart(const VoyageScript &script, int destination = 2)
    {
        for (float r : script.draws())
            runtime.queueRnd({r});
        Depart({state, runtime, view}, encounter, destination);
        EXPECT_EQ(runtime.rndLeft(), 0u) << "draws left over";
    }
    // The log's entries, each without its line break and date.
    QStringList entries() const
    {
        QStringList all;
        for (const QString &line : view.log().text().split(QStringLiteral("\r\n"))) {
            if (line.startsWith(QLatin1String("  ")))
                all.last() += QStringLiteral("/") + line.trimmed();
            else if (!line.isEmpty())
                all << line.mid(12);
        }
        return all;
    }

    ScriptedRuntime runtime;
    GameState state = portState();
    RecordingView view{state};
    EncounterDouble encounter;
};

TEST_F(VoyageRules, QuietVoyage_DotsOnTheDepartureLineThenArrivalOneMonthLater)
{
    for (Order order : AllOrders)
        view.setOrderEnabled(order, true);
    depart({});
    EXPECT_EQ(view.log().text(),
              Departure + Dots + QStringLiteral("\r\nFeb 15, 1860 - Arriving at Shanghai"));
    EXPECT_EQ(runtime.delays(), std::vector<std::uint32_t>(25, 90));
    for (Order order : AllOrders)
        EXPECT_FALSE(view.isOrderEnabled(order));
    EXPECT_EQ(state.CurrentPort, "Shanghai");
    EXPECT_EQ(std::tuple(state.PriceOpium, state.PriceSilk, state.PriceArms, state.PriceGeneral),
              std::tuple(Currency(12000), Currency(1500), Currency(120), Currency(9)));
    EXPECT_EQ(state.TributeCounter, 1);
    EXPECT_FALSE(state.GameSaved);
    EXPECT_EQ(encounter.calls, 0);
    EXPECT_TRUE(view.flashes.isEmpty());
}

TEST_F(VoyageRules, DayTheNextMonthLacks_BecomesItsLastDay)
{
    state.GameDate = GameDate::fromYmd(1861, 1, 31).value();
    depart({});
    EXPECT_EQ(state.GameDate.toString(), "Feb 28, 1861");
}

TEST_F(VoyageRules, Interest_HalfAPercentOnBankTenOnDebt_RoundedDownAndSaturating)
{
    struct Case {
        Currency bank, debt, bankAfter, debtAfter;
    };
    for (const Case &c :
         {Case{199, 5000, 199, 5500}, Case{200, 0, 201, 0}, Case{0, -15, 0, -17},
          Case{Currency::max(), Currency::max(), Currency::max(), Currency::max()}}) {
        state.Bank = c.bank;
        state.Debt = c.debt;
        depart({});
        EXPECT_EQ(state.Bank, c.bankAfter) << c.bank.raw();
        EXPECT_EQ(state.Debt, c.debtAfter) << c.debt.raw();
    }
}

TEST_F(VoyageRules, Preselection_SkipsTheCurrentPortWrappingToHongKong)
{
    struct Case {
        const char *current;
        float draw;
        int expected;
    };
    for (const Case &c : {Case{"Batavia", 6.5f / 7, 1}, Case{"Hong Kong", 0.0f, 2},
                          Case{"Saigon", 1.5f / 7, 2}, Case{"Saigon", 3.5f / 7, 5}}) {
        runtime.queueRnd({c.draw});
        EXPECT_EQ(preselectedPort(QLatin1String(c.current), runtime), c.expected) << c.current;
    }
}

TEST_F(VoyageRules, EveryStepMeetingPirates_BringsTwoBattlesAndStillAllDraws)
{
    VoyageScript script;
    script.steps.assign(25, 4.5f / 110);
    depart(script);
    EXPECT_EQ(encounter.calls, 2);
    EXPECT_EQ(encounter.lastOwner, nullptr);
}

TEST_F(VoyageRules, ShipSunkOnTheThirdStep_NothingOfTheArrivalHappens)
{
    state.Bank = 1000;
    state.Debt = 5000;
    encounter.action = [this] {
        state.GameInProgress = false;
        state.GameOver = true;
    };
    GameState expected = state;
    expected.GameInProgress = false;
    expected.GameOver = true;
    for (float r : {0.0f, 0.0f, 4.5f / 110})
        runtime.queueRnd({r});
    Depart({state, runtime, view}, encounter, 3);
    EXPECT_EQ(state, expected);
    EXPECT_EQ(view.log().text(), Departure + QStringLiteral("..."));
    EXPECT_EQ(runtime.rndLeft(), 0u);
}

// Every event on one arrival, with the draws of each in the table's order: the queue empties
// exactly and every amount comes from the draw meant for it.
TEST_F(VoyageRules, EveryEventOnOneArrival_InTheTablesOrder)
{
    state.TributeCounter = 9;
    state.ShipStatus = 50;
    state.ShipOpium = state.HoldUsed = 20;
    state.Cash = state.NetWorth = 1000;
    state.WarehouseOpium = 1;
    state.WarehouseSilk = 40;
    VoyageScript script;
    script.blown = {0.0f, 2.5f / 7, 0.0f}; // Nagasaki is the destination: drawn again
    script.storm = {0.09f, 0.99f};
    script.tribute = {0.5f};
    script.cannon = {0.0f, 0.5f};
    script.ship = {0.1f, 0.5f};
    script.seizure = {0.1f, 0.5f};
    script.robbery = {0.14f, 0.5f};
    script.theft = {0.18f, 0.5f};
    script.jump = {0.0f, 2.5f / 8};
    script.portBusiness = {0.2f, 0.5f};
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    depart(script, 3);

    EXPECT_EQ(entries(),
              QStringList({" - Departing Hong Kong" + Dots,
                           " - Sardek, we have been blown off course to Hong Kong",
                           " - Sardek!, we have received 25% Damage from a storm",
                           " - Arriving at Hong Kong",
                           " - Sardek, a ship's cannon is available for $1,700",
                           " - Sardek, you can trade in your ship for one with 50 more capacity/"
                           "by paying an additional $14,500",
                           " - Bad Joss!  The local authorities have seized your opium/and fined "
                           "you $251",
                           " - Bad Joss!  You have been beaten up and robbed of $188",
                           " - Bad Joss!  Messanger reports large theft from warehouse, Sardek!",
                           " - The price of Silk has risen to $9,000",
                           " - Sardek, Dunmore from the Hong Kong Shipyards has arrived!  He "
                           "says,/'I see ye've a wee bit of damage to yer ship.  I can repair "
                           "your ship'",
                           " - Payed $72 in donation to the temple of Tin Hau"}));
    EXPECT_TRUE(view.log().text().contains(
        "capacity\r\n                        by paying")); // 23 blanks, then the text's own
    EXPECT_EQ(view.flashes.join(' '), "#ff0000@2 #000000@2 #ff0000@3 #000000@3 #00ffff@6 "
                                      "#000000@6 #ff0000@7 #000000@7 #ff0000@8 #000000@8 "
                                      "#ff0000@9 #000000@9 #00ffff@10 #000000@10");
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt,
              "Mok Sai asks for $72 in donation to the temple of Tin Hau, the Sea Goddess.   ");
    EXPECT_EQ(runtime.messageBoxes()[0].style, MsgBoxStyle::QuestionYesNo);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "Will You Pay?");
    EXPECT_EQ(std::tuple(state.ShipStatus, state.CannonPrice, state.ShipPrice, state.Cash),
              std::tuple(Currency(25), Currency(1700), Currency(14500), Currency(489)));
    EXPECT_EQ(std::tuple(state.ShipOpium, state.HoldUsed, state.WarehouseOpium, state.WarehouseSilk,
                         state.TributeCounter),
              std::tuple(Currency(0), Currency(0), Currency(1), Currency(29), Currency(0)));
    for (Order order : {Order::Cannon, Order::Ship, Order::Money})
        EXPECT_TRUE(view.isOrderEnabled(order));
    EXPECT_EQ(runtime.delays().size(), 25u + 7u);
}

// One event's edge: the state before, the draws that differ from a quiet voyage to Hong Kong
// (the destination) or Shanghai, the last log entry and the state after.
struct EventCase {
    const char *name;
    std::function<void(GameState &, VoyageScript &)> setUp;
    const char *lastEntry;
    std::function<void(const GameState &)> check;
    int destination = 2;
    std::vector<MsgBoxResult> answers = {};
};

class VoyageEvent : public VoyageRules, public ::testing::WithParamInterface<EventCase>
{
};

TEST_P(VoyageEvent, HappensOnlyAsItsConditionsAndDrawsSay)
{
    VoyageScript script;
    GetParam().setUp(state, script);
    for (MsgBoxResult answer : GetParam().answers)
        runtime.queueMsgBoxResults({answer});
    depart(script, GetParam().destination);
    EXPECT_EQ(entries().last(), QLatin1String(GetParam().lastEntry));
    GetParam().check(state);
}

const EventCase EventCases[] = {
    {"StormAtTenPercent_DoesFive",
     [](GameState &s, VoyageScript &v) {
         s.ShipStatus = 10, v.storm = {0.09f, 0.99f};
     },
     " - Arriving at Shanghai", [](const GameState &s) { EXPECT_EQ(s.ShipStatus, 5); }},
    {"NoStormAtNinePercent",
     [](GameState &s, VoyageScript &v) { s.ShipStatus = 9, v.storm = {0.09f}; },
     " - Arriving at Shanghai", [](const GameState &s) { EXPECT_EQ(s.ShipStatus, 9); }},
    {"SeizureWithoutCash_FinesNothing",
     [](GameState &s, VoyageScript &v) { s.ShipOpium = s.HoldUsed = 5, v.seizure = {0.1f}; },
     " - Bad Joss!  The local authorities have seized your opium/and fined you $0",
     [](const GameState &s) {
         EXPECT_EQ(std::tuple(s.ShipOpium, s.HoldUsed, s.Cash), std::tuple(0, 0, 0));
     }},
    {"RobberyAtTen_TakesFiveAtMost",
     [](GameState &s, VoyageScript &v) {
         s.Cash = 10, v.robbery = {0.14f, 0.99999f};
     },
     " - Bad Joss!  You have been beaten up and robbed of $5",
     [](const GameState &s) { EXPECT_EQ(s.Cash, 5); }},
    {"NoRobberyAtNine", [](GameState &s, VoyageScript &v) { s.Cash = 9, v.robbery = {0.14f}; },
     " - Arriving at Shanghai", [](const GameState &s) { EXPECT_EQ(s.Cash, 9); }},
    {"TheftTouchesOnlyStocksAboveOne",
     [](GameState &s, VoyageScript &v) {
         s.WarehouseOpium = s.WarehouseArms = s.WarehouseGeneral = 1, s.WarehouseSilk = 40;
         v.theft = {0.18f, 0.0f};
     },
     " - Bad Joss!  Messanger reports large theft from warehouse, Sardek!",
     [](const GameState &s) {
         EXPECT_EQ(std::tuple(s.WarehouseOpium, s.WarehouseSilk, s.WarehouseArms),
                   std::tuple(1, 39, 1));
     }},
    {"NoTheftFromSingleUnits",
     [](GameState &s, VoyageScript &v) {
         s.WarehouseOpium = s.WarehouseSilk = s.WarehouseArms = s.WarehouseGeneral = 1;
         v.theft = {0.18f};
     },
     " - Arriving at Shanghai", [](const GameState &) {}},
    {"GeneralAtFiveDrops_ToOne",
     [](GameState &, VoyageScript &v) {
         v.prices[3] = 0.0f, v.jump = {0.0f, 7.5f / 8};
     },
     " - The price of General has dropped to $1",
     [](const GameState &s) { EXPECT_EQ(s.PriceGeneral, 1); }},
    {"SilkAt2500Rises_To15000",
     [](GameState &, VoyageScript &v) {
         v.prices[1] = 20.5f / 21, v.jump = {0.0f, 2.5f / 8};
     },
     " - The price of Silk has risen to $15,000",
     [](const GameState &s) { EXPECT_EQ(s.PriceSilk, 15000); }},
    {"TributeCounterTen_NoLieutenant", [](GameState &s, VoyageScript &) { s.TributeCounter = 9; },
     " - Arriving at Shanghai", [](const GameState &s) { EXPECT_EQ(s.TributeCounter, 10); }},
    {"TributeCounterEleven_Lieutenant", [](GameState &s, VoyageScript &) { s.TributeCounter = 10; },
     " - Mok Sai has sent a lieutenant, Sardek.  He says his admiral wishes/to see you in Hong "
     "Kong, Posthaste!",
     [](const GameState &) {}},
    {"TributeOf500With200Cash_AddsTheRestToDebt",
     [](GameState &s, VoyageScript &v) {
         s.CurrentPort = QStringLiteral("Shanghai"), s.TributeCounter = 10, s.NetWorth = 10000;
         s.Cash = 200, v.portBusiness = {0.9985f};
     },
     " - Payed $500 in donation to the temple of Tin Hau",
     [](const GameState &s) {
         EXPECT_EQ(std::tuple(s.Cash, s.Debt, s.TributeCounter), std::tuple(0, 300, 0));
     },
     1,
     {MsgBoxResult::Yes}},
    {"TributeRefused_ChangesNothing",
     [](GameState &s, VoyageScript &v) {
         s.CurrentPort = QStringLiteral("Shanghai"), s.TributeCounter = 10, s.Cash = 200;
         v.portBusiness = {0.5f, 0.5f};
     },
     " - Arriving at Hong Kong",
     [](const GameState &s) {
         EXPECT_EQ(std::tuple(s.Cash, s.TributeCounter), std::tuple(200, 11));
     },
     1,
     {MsgBoxResult::No}},
};

INSTANTIATE_TEST_SUITE_P(Edges, VoyageEvent, ::testing::ValuesIn(EventCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(VoyageRules, TributeShortOfCash_SaysSoInItsOwnBox)
{
    state.CurrentPort = QStringLiteral("Shanghai");
    state.TributeCounter = 10;
    VoyageScript script;
    script.portBusiness = {0.0f, 0.0f}; // 1 + 21 from the second draw
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    depart(script, 1);
    ASSERT_EQ(runtime.messageBoxes().size(), 2u);
    EXPECT_EQ(runtime.messageBoxes()[1].prompt, "Adding Difference to Debt   ");
    EXPECT_EQ(runtime.messageBoxes()[1].style, MsgBoxStyle::InformationOk);
    EXPECT_EQ(runtime.messageBoxes()[1].title, "Not Enough Cash");
    EXPECT_EQ(state.Debt, 22);
}

} // namespace Sardek
