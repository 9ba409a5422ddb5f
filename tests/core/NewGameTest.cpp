#include "core/NewGame.h"

#include "CoreTestSupport.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

using namespace Sardek;
using Sardek::Testing::clutteredState;
using Sardek::Testing::fieldsOf;

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
    EXPECT_EQ(fieldsOf(state), fieldsOf(expectedStart(before, GetParam())));
    EXPECT_EQ(state, expectedStart(before, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, StartGameScenario,
                         testing::Values(Scenario::CashAndDebt, Scenario::Cannons));

TEST(StartGamePrices, LowestAndHighestDraws_GiveEndsOfEachRange)
{
    const Prices low = startWithDraws({0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_EQ(low.opium, 5000);
    EXPECT_EQ(low.silk, 500);
    EXPECT_EQ(low.arms, 50);
    EXPECT_EQ(low.general, 5);
    const float top = 0.99999994f; // the largest float below 1
    const Prices high = startWithDraws({top, top, top, top});
    EXPECT_EQ(high.opium, 25000);
    EXPECT_EQ(high.silk, 2500);
    EXPECT_EQ(high.arms, 250);
    EXPECT_EQ(high.general, 25);
}

TEST(StartGamePrices, DrawsGoToOpiumSilkArmsGeneralInThatOrder)
{
    const Prices p = startWithDraws({0.0f, 0.5f, 0.99999994f, 0.25f, 0.75f});
    EXPECT_EQ(p.opium, 5000);
    EXPECT_EQ(p.silk, 1500);
    EXPECT_EQ(p.arms, 250);
    EXPECT_EQ(p.general, 10);
}

struct FirmCase {
    const char16_t *typed;
    const char16_t *firm;
};

void PrintTo(const FirmCase &c, std::ostream *out)
{
    *out << '"' << QString::fromUtf16(c.typed).toStdString() << '"';
}

class FirmName : public testing::TestWithParam<FirmCase>
{
};

TEST_P(FirmName, IsTrimmedDefaultedAndCapitalisedOnce)
{
    ScriptedRuntime runtime;
    runtime.queueRnd({0.0f, 0.0f, 0.0f, 0.0f});
    GameState state;
    startGame(state, runtime, Scenario::CashAndDebt, QString::fromUtf16(GetParam().typed));
    EXPECT_EQ(state.FirmName, QString::fromUtf16(GetParam().firm));
}

INSTANTIATE_TEST_SUITE_P(
    Names, FirmName,
    testing::Values(FirmCase{u"", u"Sardek"}, FirmCase{u"   ", u"Sardek"},
                    FirmCase{u"  lee & sons ", u"Lee & sons"}, FirmCase{u"mcBRIDE", u"McBRIDE"},
                    FirmCase{u"élan  vital", u"Élan  vital"}, FirmCase{u"ßeta", u"ßeta"},
                    FirmCase{u"7 seas", u"7 seas"},
                    // A letter outside the basic plane, written as a surrogate pair.
                    FirmCase{u"\U00010428ee", u"\U00010400ee"}));

TEST(HouseCaption, NamesTheFirmInHongKongWithATrailingBlank)
{
    EXPECT_EQ(HouseCaption(QStringLiteral("Sardek")), "House of Sardek, Hong Kong ");
}
