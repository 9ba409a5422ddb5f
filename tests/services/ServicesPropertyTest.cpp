#include "QtPrinters.h"

#include "../trade/TradeStates.h"
#include "services/Bank.h"
#include "services/MoneyLender.h"
#include "services/Repair.h"
#include "services/Transfer.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"

#include <gtest/gtest.h>

#include <random>

namespace Sardek
{

namespace
{

class RandomPlayer
{
  public:
    explicit RandomPlayer(unsigned seed) : m_random(seed) {}

    qint64 upTo(qint64 most) { return std::uniform_int_distribution<qint64>(0, most)(m_random); }
    Good good() { return AllGoods[upTo(3)]; }
    // Mostly an amount the lists would offer, sometimes a little more, now and then far too much.
    TypedAmount amount(Currency most)
    {
        if (upTo(20) == 0)
            return TypedAmount(QStringLiteral("123456789012345678901234567890"));
        const qint64 whole = std::max<qint64>(most.raw() / Currency::Scale, 0);
        return TypedAmount::of(upTo(9) == 0 ? whole + 1 + upTo(5) : upTo(whole));
    }

    GameState start()
    {
        GameState s = Testing::tradingState();
        s.HoldCapacity = 60 + 50 * upTo(3);
        s.Cannons = upTo(3);
        s.ShipOpium = upTo(20);
        s.HoldUsed = s.ShipOpium + s.Cannons * 10;
        s.WarehouseSilk = upTo(10000);
        std::tie(s.Cash, s.Bank, s.Debt) = std::tuple(upTo(100000), upTo(50000), upTo(50000));
        s.ShipStatus = 1 + upTo(99);
        for (Good g : AllGoods)
            priceOf(s, g) = 1 + upTo(20000);
        return s;
    }

    // One service, buy or sell, chosen and filled in at random; whether it was refused whole.
    bool act(GameState &s)
    {
        switch (upTo(8)) {
        case 0:
            return refused(visitBank(s, amount(s.Cash), amount(upTo(1) ? s.Bank : 0)));
        case 1:
            return refused(visitBank(s, {}, amount(s.Bank)));
        case 2:
            return refused(visitLender(s, amount(BorrowLimit(s)), {}, upTo(1)));
        case 3:
            return refused(visitLender(s, {}, amount(std::max(s.Debt, s.Cash)), upTo(1)));
        case 4: {
            const Good toWarehouse = good(), toShip = good();
            return refused(
                transferCargo(s, {toWarehouse, amount(toWarehouseMaximum(s, toWarehouse)), toShip,
                                  amount(toShipMaximum(s, toShip))}));
        }
        case 5:
            return refused(repairTo(s, int(upTo(110))));
        case 6:
            return refused(repairMax(s));
        default:
            return trade(s);
        }
    }

  private:
    static bool refused(const ServiceOutcome &outcome)
    {
        return outcome.refusal && outcome.logEntries.isEmpty();
    }

    bool trade(GameState &s)
    {
        const Place place = upTo(1) ? Place::Ship : Place::Warehouse;
        const bool buying = upTo(1);
        const Good g = good();
        std::array<QString, 4> texts{"0", "0", "0", "0"};
        texts[static_cast<std::size_t>(g)] =
            amount(buying ? largestPurchase(s, place, g, TradeOrder()) : stockOf(s, place, g))
                .text();
        const TradeOrder order(texts);
        return (buying ? buy(s, place, order) : sell(s, place, order)).refusal.has_value();
    }

    std::mt19937 m_random;
};

// What the firm owns, valuing goods at the port's prices and the ship's condition at the
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
    Currency cargo = 0;
    for (Good g : AllGoods) {
        EXPECT_GE(stockOf(s, Place::Ship, g), 0);
        EXPECT_GE(stockOf(s, Place::Warehouse, g), 0);
        cargo += stockOf(s, Place::Ship, g);
    }
    EXPECT_LE(warehouseTotal(s), WarehouseCapacity);
    EXPECT_EQ(s.HoldUsed, cargo + s.Cannons * 10);
    EXPECT_LE(s.HoldUsed, s.HoldCapacity);
    EXPECT_GE(s.Cash, 0);
    EXPECT_GE(s.Bank, 0);
    EXPECT_TRUE(s.ShipStatus >= 0 && s.ShipStatus <= FullRepair) << s.ShipStatus.toDouble();
}

} // namespace

TEST(ServicesProperty, RandomPlayKeepsTheRecordSoundAndConservesMoney)
{
    RandomPlayer player(20260107);
    int refused = 0;
    for (int game = 0; game < 2000 && !::testing::Test::HasFailure(); ++game) {
        GameState s = player.start();
        const Currency owned = holdings(s);
        for (int step = 0; step < 30; ++step) {
            const GameState before = s;
            if (player.act(s)) {
                ++refused;
                EXPECT_EQ(s, before) << "a refusal changes nothing";
            }
            expectInvariants(s);
            ASSERT_EQ(holdings(s), owned) << "game " << game << " step " << step;
        }
    }
    EXPECT_GT(refused, 2000) << "the player also tries what must be refused";
}

} // namespace Sardek
