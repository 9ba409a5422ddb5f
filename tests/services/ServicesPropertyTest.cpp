#include "QtPrinters.h"

#include "GameStates.h"
#include "services/Bank.h"
#include "services/MoneyLender.h"
#include "services/Repair.h"
#include "services/Transfer.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace Sardek
{

namespace
{

// Plays the services, buys and sells at random through the rules, as a player with an amount
// list would, now and then typing a little too much or far too much.
struct RandomPlayer {
    qint64 upTo(qint64 most) { return std::uniform_int_distribution<qint64>(0, most)(m_random); }

    TypedAmount amount(Currency most)
    {
        if (upTo(20) == 0)
            return TypedAmount(QStringLiteral("123456789012345678901234567890"));
        const qint64 whole = std::max<qint64>(most.raw() / Currency::Scale, 0);
        return TypedAmount::of(upTo(9) == 0 ? whole + 1 + upTo(5) : upTo(whole));
    }

    // A sound game, or now and then one from an edited saved file.
    GameState start(bool edited)
    {
        GameState s = Testing::tradingState();
        std::tie(s.Cannons, s.ShipOpium, s.WarehouseSilk) =
            std::tuple(upTo(3), upTo(20), upTo(10000));
        s.HoldUsed = s.ShipOpium + s.Cannons * 10;
        std::tie(s.Cash, s.Bank, s.Debt) = std::tuple(upTo(100000), upTo(50000), upTo(50000));
        std::tie(s.HoldCapacity, s.ShipStatus) = std::pair(60 + 50 * upTo(3), 1 + upTo(99));
        for (Good g : AllGoods)
            priceOf(s, g) = 1 + upTo(20000);
        if (edited)
            *std::array{&s.HoldCapacity, &s.Cash, &s.Bank, &s.Debt, &s.ShipStatus}[upTo(4)] =
                std::array{0, -60, 150, -5000}[upTo(3)];
        return s;
    }

    // Whether the step was refused as a whole.
    bool act(GameState &s)
    {
        const Good a = AllGoods[upTo(3)], b = AllGoods[upTo(3)];
        const std::function<ServiceOutcome()> services[] = {
            [&] { return visitBank(s, amount(s.Cash), amount(upTo(1) ? s.Bank : 0)); },
            [&] { return visitBank(s, {}, amount(s.Bank)); },
            [&] { return visitLender(s, amount(BorrowLimit(s)), {}, upTo(1)); },
            [&] { return visitLender(s, {}, amount(std::max(s.Debt, s.Cash)), upTo(1)); },
            [&] {
                return transferCargo(
                    s, {a, amount(toWarehouseMaximum(s, a)), b, amount(toShipMaximum(s, b))});
            },
            [&] { return repairTo(s, int(upTo(110))); },
            [&] { return repairMax(s); }};
        const qint64 pick = upTo(8);
        return pick < 7 ? refused(services[pick]()) : trade(s, a);
    }

    static bool refused(const ServiceOutcome &o) { return o.refusal && o.logEntries.isEmpty(); }

    bool trade(GameState &s, Good good)
    {
        const Place place = upTo(1) ? Place::Ship : Place::Warehouse;
        const bool buying = upTo(1);
        std::array<QString, 4> texts{"0", "0", "0", "0"};
        texts[static_cast<std::size_t>(good)] =
            amount(buying ? largestPurchase(s, place, good, TradeOrder()) : stockOf(s, place, good))
                .text();
        const TradeOrder order(texts);
        return (buying ? buy(s, place, order) : sell(s, place, order)).refusal.has_value();
    }

    std::mt19937 m_random{20260107};
};

// What the firm owns, its goods at the port's prices and its ship's condition at the
// shipyard's rate: no service, buy or sell changes it.
Currency holdings(const GameState &s)
{
    Currency total = s.Cash + s.Bank - s.Debt + s.ShipStatus * repairRate(s);
    for (Good g : AllGoods)
        total += (stockOf(s, Place::Ship, g) + stockOf(s, Place::Warehouse, g)) * priceOf(s, g);
    return total;
}

void expectInvariants(const GameState &s)
{
    Currency cargo = s.Cannons * 10;
    for (Good g : AllGoods) {
        EXPECT_GE(std::min(stockOf(s, Place::Ship, g), stockOf(s, Place::Warehouse, g)), 0);
        cargo += stockOf(s, Place::Ship, g);
    }
    EXPECT_LE(warehouseTotal(s), WarehouseCapacity);
    EXPECT_EQ(s.HoldUsed, cargo);
    EXPECT_LE(s.HoldUsed, s.HoldCapacity);
    EXPECT_GE(std::min(s.Cash, s.Bank), 0);
    EXPECT_TRUE(s.ShipStatus >= 0 && s.ShipStatus <= FullRepair);
}

} // namespace

TEST(ServicesProperty, RandomPlayKeepsTheRecordSoundConservesMoneyAndMarksEveryChange)
{
    RandomPlayer player;
    int refusals = 0;
    for (int game = 0; game < 3000 && !::testing::Test::HasFailure(); ++game) {
        const bool edited = game % 4 == 0;
        GameState s = player.start(edited);
        const Currency owned = holdings(s);
        for (int step = 0; step < 30; ++step) {
            s.GameSaved = true;
            const GameState before = s;
            if (player.act(s)) {
                ++refusals;
                EXPECT_EQ(s, before) << "a refusal changes nothing";
            } else if (s != before) {
                EXPECT_FALSE(s.GameSaved) << "whatever changed is unsaved";
            }
            if (!edited)
                expectInvariants(s);
            ASSERT_EQ(holdings(s), owned) << "game " << game << " step " << step;
        }
    }
    EXPECT_GT(refusals, 3000) << "the player also tries what must be refused";
}

} // namespace Sardek
