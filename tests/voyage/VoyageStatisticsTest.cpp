#include "VoyageTestSupport.h"

#include "runtime/HeadlessRuntime.h"
#include "voyage/Voyage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Sardek
{

using namespace Testing;

namespace
{

// A count of n trials with chance p lies within five standard deviations of n p; a wrong
// formula shifts most counts by far more at these sizes.
void expectChance(double count, double n, double p, const char *what)
{
    EXPECT_NEAR(count, n * p, 5 * std::sqrt(n * p * (1 - p))) << what;
}

struct EventChance {
    const char *needle;
    double chance;
};

const EventChance Events[] = {{"blown off course", 1.0 / 25},     {"from a storm", 1.0 / 50},
                              {"cannon is available", 1.0 / 5},   {"trade in your ship", 1.0 / 12},
                              {"seized your opium", 1.0 / 25},    {"robbed of", 1.0 / 25},
                              {"theft from warehouse", 1.0 / 25}, {"The price of", 1.0 / 25}};

constexpr Currency::Raw Units[] = {1000, 100, 10, 1};

} // namespace

// 100,000 voyages on the program's generator, every event's condition holding throughout.
TEST(VoyageStatistics, PricesEncountersAndEventsComeAtTheirStatedChances)
{
    constexpr int Voyages = 100000;
    HeadlessRuntime runtime(1860);
    EncounterDouble encounter;
    GameState start = portState();
    start.Cash = 1000;
    start.ShipOpium = start.HoldUsed = start.WarehouseOpium = 10;
    double met = 0, metTwice = 0, steady = 0, landedOnDestination = 0;
    std::array<double, std::size(Events)> happened{};
    std::array<std::array<double, 21>, 4> prices{};
    for (int i = 0; i < Voyages; ++i) {
        GameState state = start;
        SilentVoyageView view(state);
        encounter.calls = 0;
        Depart({state, runtime, view}, encounter, 2);
        met += encounter.calls > 0;
        metTwice += encounter.calls == 2;
        const QString &log = view.log().text();
        for (std::size_t e = 0; e < std::size(Events); ++e)
            happened[e] += log.contains(QLatin1String(Events[e].needle));
        landedOnDestination += log.contains(QLatin1String("course to Shanghai"));
        if (log.contains(QLatin1String("The price of")))
            continue; // a jump moved one price off its range
        ++steady;
        const Currency drawn[] = {state.PriceOpium, state.PriceSilk, state.PriceArms,
                                  state.PriceGeneral};
        for (std::size_t g = 0; g < 4; ++g)
            ++prices[g][std::size_t(drawn[g].raw() / Currency::Scale / Units[g] - 5) % 21];
    }
    const double quiet = std::pow(109.0 / 110, 25);
    expectChance(met, Voyages, 1 - quiet, "at least one battle");
    expectChance(metTwice, Voyages, 1 - quiet - 25.0 / 110 * std::pow(109.0 / 110, 24), "two");
    for (std::size_t e = 0; e < std::size(Events); ++e)
        expectChance(happened[e], Voyages, Events[e].chance, Events[e].needle);
    EXPECT_EQ(landedOnDestination, 0);
    for (const auto &good : prices)
        for (double count : good)
            expectChance(count, steady, 1.0 / 21, "a price value");
}

// Interest on a debt at Currency's limit, tribute added to it, for hundreds of voyages.
TEST(VoyageStatistics, HugeDebtAndBank_StayAtTheLimitForHundredsOfVoyages)
{
    HeadlessRuntime runtime(7);
    EncounterDouble encounter;
    GameState state = portState();
    state.Bank = state.Debt = Currency(Currency::MaxWhole / 3);
    state.NetWorth = Currency::min();
    SilentVoyageView view(state);
    for (int i = 0; i < 300; ++i) {
        Depart({state, runtime, view}, encounter, state.CurrentPort == HongKong ? 2 : 1);
        view.log().trim();
    }
    EXPECT_EQ(state.Debt, Currency::max());
    EXPECT_EQ(state.Bank, Currency::max());
    EXPECT_GE(state.Cash, 0);
}

} // namespace Sardek
