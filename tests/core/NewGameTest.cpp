#include "core/NewGame.h"

#include "CoreTestSupport.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Sardek;
using Sardek::Testing::clutteredState;

namespace
{

// The record Start Game must leave behind, from a cluttered one, with every price drawn at 0.5.
GameState expectedStart(const GameState &before, Scenario scenario)
{
    GameState s = before;
    s.GameInProgress = s.GameSaved = true;
    s.GameOver = s.MillionaireShown = false;
    s.GameDate = GameDate::fromYmd(1860, 1, 15).value();
    s.FirmName = QStringLiteral("Lee");
    s.CurrentPort = QStringLiteral("Hong Kong");
    for (Currency *field : {&s.ShipOpium, &s.ShipSilk, &s.ShipArms, &s.ShipGeneral,
                            &s.WarehouseOpium, &s.WarehouseSilk, &s.WarehouseArms,
                            &s.WarehouseGeneral, &s.Bank, &s.NetWorth, &s.TributeCounter})
        *field = 0;
    s.ShipStatus = 100;
    s.HoldCapacity = 60;
    s.PriceOpium = 15000;
    s.PriceSilk = 1500;
    s.PriceArms = 150;
    s.PriceGeneral = 15;
    const bool cash = scenario == Scenario::CashAndDebt;
    s.Cash = cash ? 400 : 0;
    s.Debt = cash ? 5000 : 0;
    s.Cannons = cash ? 0 : 5;
    s.HoldUsed = cash ? 0 : 50;
    return s;
}

struct Prices {
    int opium, silk, arms, general;
};

Prices startWithDraws(std::initializer_list<float> draws)
{
    ScriptedRuntime runtime;
    runtime.queueRnd(draws);
    GameState state;
    startGame(state, runtime, Scenario::Cannons, QStringLiteral("x"));
    EXPECT_EQ(runtime.rndLeft(), draws.size() - 4) << "Start Game draws exactly four numbers";
    return {int(state.PriceOpium.raw() / 10000), int(state.PriceSilk.raw() / 10000),
            int(state.PriceArms.raw() / 10000), int(state.PriceGeneral.raw() / 10000)};
}

} // namespace

class StartGameScenario : public testing::TestWithParam<Scenario>
{
};

// CannonPrice, ShipPrice, Score and Rank come through from the cluttered record untouched.
TEST_P(StartGameScenario, FillsEveryFieldAndKeepsPricesOfOffersAndRating)
{
    const GameState before = clutteredState();
    GameState state = before;
    ScriptedRuntime runtime;
    runtime.queueRnd({0.5f, 0.5f, 0.5f, 0.5f});
    startGame(state, runtime, GetParam(), QStringLiteral("Lee"));
    EXPECT_EQ(state, expectedStart(before, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, StartGameScenario,
                         testing::Values(Scenario::CashAndDebt, Scenario::Cannons));

TEST(StartGamePrices, DrawsGoToOpiumSilkArmsGeneral_CoveringEachRange)
{
    const float top = 0.99999994f; // the largest float below 1
    const Prices low = startWithDraws({0.0f, 0.0f, 0.0f, 0.0f});
    const Prices high = startWithDraws({top, top, top, top});
    const Prices mixed = startWithDraws({0.0f, 0.5f, top, 0.25f, 0.75f});
    EXPECT_EQ(std::tie(low.opium, low.silk, low.arms, low.general), std::tuple(5000, 500, 50, 5));
    EXPECT_EQ(std::tie(high.opium, high.silk, high.arms, high.general),
              std::tuple(25000, 2500, 250, 25));
    EXPECT_EQ(std::tie(mixed.opium, mixed.silk, mixed.arms, mixed.general),
              std::tuple(5000, 1500, 250, 10));
}

TEST(StartGame, FirmName_IsTrimmedDefaultedAndCapitalisedOnce)
{
    const std::pair<const char16_t *, const char16_t *> typedAndFirm[] = {
        {u"", u"Sardek"},
        {u"   ", u"Sardek"},
        {u"  lee & sons ", u"Lee & sons"},
        {u"mcBRIDE", u"McBRIDE"},
        {u"élan  vital", u"Élan  vital"},
        {u"ßeta", u"ßeta"},
        // A letter outside the basic plane, written as a surrogate pair.
        {u"\U00010428ee", u"\U00010400ee"}};
    for (const auto &[typed, firm] : typedAndFirm) {
        ScriptedRuntime runtime;
        runtime.queueRnd({0.0f, 0.0f, 0.0f, 0.0f});
        GameState state;
        startGame(state, runtime, Scenario::CashAndDebt, QString::fromUtf16(typed));
        EXPECT_EQ(state.FirmName, QString::fromUtf16(firm));
    }
    EXPECT_EQ(HouseCaption(QStringLiteral("Sardek")), "House of Sardek, Hong Kong ");
}
