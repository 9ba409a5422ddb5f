// The voyage's rules: on scripted rolls, every step, event and edge in order; on the
// program's own generator, the chances of each.
#include "VoyageTestSupport.h"

#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include "runtime/Formats.h"
#include "runtime/HeadlessRuntime.h"
#include "voyage/Ports.h"
#include "voyage/SilentVoyageView.h"
#include "voyage/Voyage.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <iomanip>
#include <tuple>

namespace Sardek
{

using namespace Testing;

const QString Dots = QString(25, QLatin1Char('.'));

// The log's entries, each without its line break and date, a second line after a "/".
QStringList entriesOf(const QString &log)
{
    QStringList all;
    for (const QString &line : log.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(QLatin1String("  ")))
            all.last() += QStringLiteral("/") + line.trimmed();
        else if (!line.isEmpty())
            all << line.mid(12);
    }
    return all;
}

// The silent view, noting each change of the log's colour with the number of entries before.
struct RecordingView : SilentVoyageView {
    using SilentVoyageView::SilentVoyageView;
    void setLogBackground(LogColour colour) override
    {
        const auto hex = [](int part) { return QStringLiteral("%1").arg(part, 2, 16, QChar('0')); };
        flashes << "#" + hex(colour.red) + hex(colour.green) + hex(colour.blue) + "@" +
                       QString::number(log().text().count(QLatin1String(" - ")));
    }
    QStringList flashes;
};

class VoyageRules : public ::testing::Test
{
  protected:
    // Runs one Depart on exactly rolls.
    void depart(const std::vector<float> &rolls = VoyageScript().rolls(), int destination = 2)
    {
        for (float r : rolls)
            runtime.queueRnd({r});
        Depart({state, runtime, view}, encounter, destination);
        EXPECT_EQ(runtime.rndLeft(), 0u) << "rolls left over";
    }

    ScriptedRuntime runtime;
    GameState state = portState();
    RecordingView view{state};
    EncounterDouble encounter;
};

TEST_F(VoyageRules, QuietVoyage_DotsOnTheDepartureLineThenArrivalOneMonthLater)
{
    state.GameDate = GameDate::fromYmd(1861, 1, 31).value();
    for (Order order : AllOrders)
        view.setOrderEnabled(order, true);
    depart();
    EXPECT_EQ(view.log().text(), "\r\nJan 31, 1861 - Departing Hong Kong" + Dots +
                                     "\r\nFeb 28, 1861 - Arriving at Shanghai");
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

// Rolls on both sides of the edges of Int(Rnd * 7 + 1): 7 in Batavia and 1 in Hong Kong move on.
TEST_F(VoyageRules, Preselection_SkipsTheCurrentPortWrappingToHongKong)
{
    runtime.queueRnd(
        {edgeRoll(6, 7), belowEdge(1, 7), edgeRoll(1, 7), belowEdge(6, 7), edgeRoll(3, 7)});
    // The elements of a braced list are evaluated in order: one roll each.
    EXPECT_EQ(
        std::vector<int>({preselectedPort("Batavia", runtime),
                          preselectedPort("Hong Kong", runtime), preselectedPort("Saigon", runtime),
                          preselectedPort("Saigon", runtime), preselectedPort("Saigon", runtime)}),
        std::vector<int>({1, 2, 2, 6, 5}));
}

// Every event on one arrival, with the rolls of each in the table's order: the queue empties
// exactly and every amount comes from the roll meant for it.
TEST_F(VoyageRules, EveryEventOnOneArrival_InTheTablesOrder)
{
    state.TributeCounter = 9;
    state.ShipStatus = 50;
    state.ShipOpium = state.HoldUsed = 20;
    state.Cash = state.NetWorth = 1000;
    state.WarehouseOpium = 1;
    state.WarehouseSilk = 40;
    VoyageScript script;
    script.blown = {0.0f, 2.5f / 7, 0.0f}; // Nagasaki is the destination: rolled again
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
    depart(script.rolls(), 3);

    EXPECT_EQ(
        entriesOf(view.log().text()).join('|'),
        " - Departing Hong Kong" + Dots +
            "| - Sardek, we have been blown off course to Hong Kong"
            "| - Sardek!, we have received 25% Damage from a storm| - Arriving at Hong Kong"
            "| - Sardek, a ship's cannon is available for $1,700"
            "| - Sardek, you can trade in your ship for one with 50 more capacity/by paying "
            "an additional $14,500| - Bad Joss!  The local authorities have seized your "
            "opium/and fined you $251| - Bad Joss!  You have been beaten up and robbed of "
            "$188| - Bad Joss!  Messanger reports large theft from warehouse, Sardek!"
            "| - The price of Silk has risen to $9,000| - Sardek, Dunmore from the Hong "
            "Kong Shipyards has arrived!  He says,/'I see ye've a wee bit of damage to yer "
            "ship.  I can repair your ship'| - Payed $72 in donation to the temple of Tin Hau");
    EXPECT_TRUE(view.log().text().contains(
        "capacity\r\n                        by paying")); // 23 blanks, then the text's own
    EXPECT_EQ(view.flashes.join(' '), "#ff0000@2 #000000@2 #ff0000@3 #000000@3 #00ffff@6 "
                                      "#000000@6 #ff0000@7 #000000@7 #ff0000@8 #000000@8 "
                                      "#ff0000@9 #000000@9 #00ffff@10 #000000@10");
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].style, MsgBoxStyle::QuestionYesNo);
    EXPECT_EQ(std::tuple(state.ShipStatus, state.CannonPrice, state.ShipPrice, state.Cash),
              std::tuple(Currency(25), Currency(1700), Currency(14500), Currency(489)));
    EXPECT_EQ(std::tuple(state.ShipOpium, state.HoldUsed, state.WarehouseOpium, state.WarehouseSilk,
                         state.TributeCounter),
              std::tuple(Currency(0), Currency(0), Currency(1), Currency(29), Currency(0)));
    for (Order order : {Order::Cannon, Order::Ship, Order::Money})
        EXPECT_TRUE(view.isOrderEnabled(order));
    EXPECT_EQ(runtime.delays().size(), 25u + 7u);
}

// One event's edge: fields before, the rolls that differ from a quiet voyage, the events'
// entries and fields after. Destination 1 sails from Shanghai to Hong Kong answering the
// tribute demand; otherwise from Hong Kong to Shanghai.
using Field = Currency GameState::*;
using Rolls = std::vector<float> VoyageScript::*;
struct EventCase {
    const char *name;
    std::vector<std::pair<Field, Currency>> before;
    std::vector<std::pair<Rolls, std::vector<float>>> rolls;
    const char *events; // the entries but departure and arrival, joined by "|"
    std::vector<std::pair<Field, Currency>> after;
    int battles = 0;
    MsgBoxResult answer = MsgBoxResult::Cancel;
    const char *lastBox = "";
};

class VoyageEvent : public VoyageRules, public ::testing::WithParamInterface<EventCase>
{
};

TEST_P(VoyageEvent, HappensOnlyAsItsConditionsAndRollsSay)
{
    const EventCase &c = GetParam();
    VoyageScript script;
    for (const auto &[field, value] : c.before)
        state.*field = value;
    for (const auto &[part, rolls] : c.rolls)
        script.*part = rolls;
    const bool home = c.answer != MsgBoxResult::Cancel;
    if (home) {
        state.CurrentPort = QStringLiteral("Shanghai");
        runtime.queueMsgBoxResults({c.answer});
    }
    depart(script.rolls(), home ? 1 : 2);
    const QStringList events =
        entriesOf(view.log().text()).mid(1).filter(QRegularExpression("^ - (?!Arriving)"));
    EXPECT_EQ(events.join('|'), QLatin1String(c.events));
    for (const auto &[field, value] : c.after)
        EXPECT_EQ(state.*field, value);
    EXPECT_EQ(encounter.calls, c.battles);
    const auto &boxes = runtime.messageBoxes();
    EXPECT_EQ(boxes.empty() ? "" : boxes.back().prompt + "|" + boxes.back().title,
              QLatin1String(c.lastBox));
}

using GS = GameState;
using VS = VoyageScript;
const char *const Quiet = "";
// clang-format off
const EventCase EventCases[] = {
    {"BankOf199_EarnsNothing", {{&GS::Bank, 199}, {&GS::Debt, 5000}}, {}, Quiet, {{&GS::Bank, 199}, {&GS::Debt, 5500}}},
    {"BankOf200_EarnsOne", {{&GS::Bank, 200}}, {}, Quiet, {{&GS::Bank, 201}, {&GS::Debt, 0}}},
    {"NegativeDebt_GrowsMoreNegative", {{&GS::Debt, -15}}, {}, Quiet, {{&GS::Debt, -17}}},
    {"InterestAtTheLimit_Saturates", {{&GS::Bank, Currency::max()}, {&GS::Debt, Currency::max()}}, {}, Quiet,
     {{&GS::Bank, Currency::max()}, {&GS::Debt, Currency::max()}}},
    {"NoStormAtNinePercent", {{&GS::ShipStatus, 9}}, {{&VS::storm, {0.09f}}}, Quiet, {{&GS::ShipStatus, 9}}},
    {"NoSeizureWithoutOpium", {}, {{&VS::seizure, {0.1f}}}, Quiet, {}},
    {"SeizureWithoutCash_FinesNothing", {{&GS::ShipOpium, 5}, {&GS::HoldUsed, 5}}, {{&VS::seizure, {0.1f}}},
     " - Bad Joss!  The local authorities have seized your opium/and fined you $0",
     {{&GS::ShipOpium, 0}, {&GS::HoldUsed, 0}, {&GS::Cash, 0}}},
    {"NoRobberyAtNine", {{&GS::Cash, 9}}, {{&VS::robbery, {0.14f}}}, Quiet, {{&GS::Cash, 9}}},
    {"NoTheftOfSingleUnits", {{&GS::WarehouseOpium, 1}, {&GS::WarehouseArms, 1}}, {{&VS::theft, {0.18f}}}, Quiet, {}},
    {"GeneralAtFiveDrops_ToOne", {}, {{&VS::prices, {0.0f, 0.0f, 0.0f, 0.0f}}, {&VS::jump, {0.0f, 7.5f / 8}}},
     " - The price of General has dropped to $1", {{&GS::PriceGeneral, 1}}},
    {"EveryStepMeetingPirates_OnlyTwoBattles", {}, {{&VS::steps, std::vector<float>(25, 4.5f / 110)}}, Quiet, {}, 2},
    {"TributeOf500With200Cash_AddsTheRestToDebt",
     {{&GS::TributeCounter, 10}, {&GS::NetWorth, 10000}, {&GS::Cash, 200}}, {{&VS::portBusiness, {0.9985f}}},
     " - Payed $500 in donation to the temple of Tin Hau",
     {{&GS::Cash, 0}, {&GS::Debt, 300}, {&GS::TributeCounter, 0}}, 0, MsgBoxResult::Yes, "Adding Difference to Debt   |Not Enough Cash"},
    // A negative worth: -25 + 1 + 21 = -3, asked as its absolute value.
    {"TributeOnANegativeWorthRefused_ChangesNothing", {{&GS::TributeCounter, 10}, {&GS::NetWorth, -1000}, {&GS::Cash, 200}},
     {{&VS::portBusiness, {0.5f, 0.0f}}}, Quiet, {{&GS::Cash, 200}, {&GS::TributeCounter, 11}}, 0,
     MsgBoxResult::No, "Mok Sai asks for $3 in donation to the temple of Tin Hau, the Sea Goddess.   |Will You Pay?"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Edges, VoyageEvent, ::testing::ValuesIn(EventCases),
                         [](const auto &info) { return std::string(info.param.name); });

// One roll on values at and just below the edges the rules give it: the list the roll goes
// into, behind the rolls before it, ahead of those a hit adds; each roll shows the text after
// sign in the entry holding it, or no such entry (nullptr). Every event's condition holds on
// the voyage to Shanghai, or (destination 1) from there to Hong Kong, where the tribute is due.
using Shown = std::vector<std::pair<float, const char *>>;
struct RollCase {
    const char *name;
    Rolls part;
    std::vector<float> before, after;
    const char *sign;
    Shown rolls;
    int destination = 2;
};

// Around the bucket of Int(Rnd * n + 1) = hit: hit, or miss, on each side of both its edges.
Shown aroundHit(int n, int hit, const char *hitShows, const char *missShows = nullptr)
{
    Shown rolls;
    if (hit > 1)
        rolls.emplace_back(belowEdge(hit - 1, n), missShows);
    rolls.emplace_back(edgeRoll(hit - 1, n), hitShows);
    rolls.emplace_back(belowEdge(hit, n), hitShows);
    rolls.emplace_back(edgeRoll(hit, n), missShows);
    return rolls;
}

// $1,000, a worth of 400, 10 opium aboard and in the warehouse, TributeCounter 9 (10 towards
// Hong Kong): the log's entries, " - Battles n", " - Warehouse opium n" and the first five
// words of each message box.
QStringList voyageOn(const VoyageScript &script, int destination)
{
    GameState state = portState();
    std::tie(state.Cash, state.NetWorth, state.TributeCounter) = std::tuple(1000, 400, 9);
    state.ShipOpium = state.HoldUsed = state.WarehouseOpium = 10;
    ScriptedRuntime runtime;
    for (float r : script.rolls())
        runtime.queueRnd({r});
    if (destination == 1) {
        std::tie(state.CurrentPort, state.TributeCounter) = std::tuple("Shanghai", 10);
        runtime.queueMsgBoxResults({MsgBoxResult::No});
    }
    SilentVoyageView view(state);
    EncounterDouble encounter;
    Depart({state, runtime, view}, encounter, destination);
    EXPECT_EQ(runtime.rndLeft(), 0u) << "rolls left over";
    QStringList entries = entriesOf(view.log().text());
    entries << " - Battles " + QString::number(encounter.calls)
            << " - Warehouse opium " + PlainNumber(state.WarehouseOpium);
    for (const auto &box : runtime.messageBoxes())
        entries << " - " + box.prompt.section(QLatin1Char(' '), 0, 4);
    return entries;
}

class VoyageRoll : public ::testing::TestWithParam<RollCase>
{
};

TEST_P(VoyageRoll, EachSideOfItsEdgesShowsItsOwnOutcome)
{
    const RollCase &c = GetParam();
    const QLatin1String sign(c.sign);
    for (const auto &[roll, shown] : c.rolls) {
        VoyageScript script;
        std::vector<float> &list = script.*c.part;
        list = c.before;
        list.push_back(roll);
        if (shown)
            list.insert(list.end(), c.after.begin(), c.after.end());
        const QStringList found = voyageOn(script, c.destination).filter(sign);
        const QString after = found.value(0).section(sign, 1);
        EXPECT_EQ(found.isEmpty() ? "(none)" : after, shown ? shown : "(none)")
            << std::setprecision(9) << roll;
    }
}

// clang-format off
const RollCase RollCases[] = {
    {"AttackOn5Of110", &VS::steps, {}, std::vector<float>(24, 0.0f), " - Battles ", aroundHit(110, 5, "1", "0")},
    {"BlownOffCourseOn1Of25", &VS::blown, {}, {0.0f}, "course to ", aroundHit(25, 1, "Hong Kong")},
    {"BlownToPort1To7", &VS::blown, {0.0f}, {}, "course to ", {{belowEdge(1, 7), "Hong Kong"},
     {edgeRoll(2, 7), "Nagasaki"}, {belowEdge(6, 7), "Singapore"}, {edgeRoll(6, 7), "Batavia"}}},
    {"StormOn5Of50", &VS::storm, {}, {0.5f}, "received ", aroundHit(50, 5, "26% Damage from a storm")},
    {"StormDamage1ToHalfTheStatus", &VS::storm, {edgeRoll(4, 50)}, {}, "received ",
     {{belowEdge(1, 50), "1% Damage from a storm"}, {edgeRoll(1, 50), "2% Damage from a storm"},
      {belowEdge(49, 50), "49% Damage from a storm"}, {edgeRoll(49, 50), "50% Damage from a storm"}}},
    {"CannonOfferOn1Of5", &VS::cannon, {}, {0.5f}, "available for ", aroundHit(5, 1, "$1,700")},
    {"CannonPrice400To3000", &VS::cannon, {0.0f}, {}, "available for ", {{belowEdge(1, 2601), "$400"},
     {edgeRoll(1, 2601), "$401"}, {belowEdge(2600, 2601), "$2,999"}, {edgeRoll(2600, 2601), "$3,000"}}},
    {"ShipOfferOn2Of12", &VS::ship, {}, {0.5f}, "additional ", aroundHit(12, 2, "$14,500")},
    {"ShipPrice5000To24000", &VS::ship, {edgeRoll(1, 12)}, {}, "additional ", {{belowEdge(1, 19001), "$5,000"},
     {edgeRoll(1, 19001), "$5,001"}, {belowEdge(19000, 19001), "$23,999"}, {edgeRoll(19000, 19001), "$24,000"}}},
    {"SeizureOn3Of25", &VS::seizure, {}, {0.5f}, "fined you ", aroundHit(25, 3, "$251")},
    {"Fine1ToHalfTheCash", &VS::seizure, {edgeRoll(2, 25)}, {}, "fined you ", {{belowEdge(1, 500), "$1"},
     {edgeRoll(1, 500), "$2"}, {belowEdge(499, 500), "$499"}, {edgeRoll(499, 500), "$500"}}},
    {"RobberyOn4Of25", &VS::robbery, {}, {0.5f}, "robbed of ", aroundHit(25, 4, "$251")},
    {"RobberyUpToHalfTheCash", &VS::robbery, {edgeRoll(3, 25)}, {}, "robbed of ",
     {{belowEdge(499, 500), "$499"}, {edgeRoll(499, 500), "$500"}}},
    {"TheftOn5Of25", &VS::theft, {}, {0.5f}, "large theft ", aroundHit(25, 5, "from warehouse, Sardek!")},
    {"Theft1ToHalfTheStock", &VS::theft, {edgeRoll(4, 25)}, {}, "Warehouse opium ",
     {{belowEdge(1, 5), "9"}, {edgeRoll(1, 5), "8"}, {belowEdge(4, 5), "6"}, {edgeRoll(4, 5), "5"}}},
    {"PriceJumpOn1Of25", &VS::jump, {}, {0.0f}, "price of ", aroundHit(25, 1, "Opium has risen to $72,000")},
    // 12,000 / 1,500 / 120 / 9 times 6 or a sixth, each of the 8 once.
    {"PriceJumpOfEachGoodUpAndDown", &VS::jump, {0.0f}, {}, "price of ",
     {{belowEdge(1, 8), "Opium has risen to $72,000"}, {edgeRoll(1, 8), "Opium has dropped to $2,000"},
      {edgeRoll(2, 8), "Silk has risen to $9,000"}, {belowEdge(4, 8), "Silk has dropped to $250"},
      {edgeRoll(4, 8), "Arms has risen to $720"}, {belowEdge(6, 8), "Arms has dropped to $20"},
      {belowEdge(7, 8), "General has risen to $54"}, {edgeRoll(7, 8), "General has dropped to $1"}}},
    // From 9 to 10, or to 11, where the pirate lord's lieutenant comes.
    {"TributeCounterUp1Or2_LieutenantFrom11", &VS::tribute, {}, {}, "lieutenant, ", {{belowEdge(1, 2), nullptr},
     {edgeRoll(1, 2), "Sardek.  He says his admiral wishes/to see you in Hong Kong, Posthaste!"}}},
    // Int(Rnd * 20) + 1 from a worth of 400, and 21 to 100 more when that is below 20.
    {"TributeDemandOf20RolledOnce", &VS::portBusiness, {}, {}, "asks for ", {{edgeRoll(19, 20), "$20"}}, 1},
    {"TributeDemandBelow20Gets21To100More", &VS::portBusiness, {belowEdge(19, 20)}, {}, "asks for ",
     {{belowEdge(1, 80), "$40"}, {edgeRoll(1, 80), "$41"}, {belowEdge(79, 80), "$118"}, {edgeRoll(79, 80), "$119"}}, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Edges, VoyageRoll, ::testing::ValuesIn(RollCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A count of n trials with chance p lies within five standard deviations of n p; a wrong
// formula shifts most counts by far more at these sizes.
void expectChance(double count, double n, double p, const char *what)
{
    EXPECT_NEAR(count, n * p, 5 * std::sqrt(n * p * (1 - p))) << what;
}

// 20,000 voyages on the program's generator: each price value and the battles come as often
// as the generator's even spread over the buckets pinned above makes them.
TEST(VoyageStatistics, PricesAndEncountersComeAtTheirStatedChances)
{
    constexpr Currency::Raw units[] = {1000, 100, 10, 1};
    constexpr int Voyages = 20000;
    HeadlessRuntime runtime(1860);
    EncounterDouble encounter;
    double met = 0, metTwice = 0, steady = 0;
    std::array<std::array<double, 21>, 4> prices{};
    GameState state;
    SilentVoyageView view(state); // one log, trimmed after each voyage as a headless game does
    for (int i = 0; i < Voyages; ++i) {
        state = portState();
        encounter.calls = 0;
        const qsizetype before = view.log().text().size();
        Depart({state, runtime, view}, encounter, 2);
        met += encounter.calls > 0;
        metTwice += encounter.calls == 2;
        const bool jumped = view.log().text().indexOf(QLatin1String("The price of"), before) >= 0;
        view.log().trim();
        if (jumped)
            continue; // a jump moved one price off its range
        ++steady;
        const Currency rolled[] = {state.PriceOpium, state.PriceSilk, state.PriceArms,
                                   state.PriceGeneral};
        for (std::size_t g = 0; g < 4; ++g)
            ++prices[g][std::size_t(rolled[g].raw() / Currency::Scale / units[g] - 5) % 21];
    }
    const double quiet = std::pow(109.0 / 110, 25);
    expectChance(met, Voyages, 1 - quiet, "at least one battle");
    expectChance(metTwice, Voyages, 1 - quiet - 25.0 / 110 * std::pow(109.0 / 110, 24), "two");
    for (const auto &good : prices)
        for (double count : good)
            expectChance(count, steady, 1.0 / 21, "a price value");
}

} // namespace Sardek
