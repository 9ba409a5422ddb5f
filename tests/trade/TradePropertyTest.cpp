// Thousands of random trades through the rules, from random sound states: whatever is asked,
// the record stays sound and money is neither made nor lost.
#include "TradeStates.h"

#include "QtPrinters.h"

#include "trade/Trade.h"
#include "trade/TradeOrder.h"

#include <gtest/gtest.h>

#include <random>

namespace Sardek
{

namespace
{

using Whole = long long;

Whole whole(Currency value)
{
    return value.raw() / Currency::Scale;
}

class RandomTrader
{
  public:
    explicit RandomTrader(std::uint32_t seed) : m_random(seed) {}

    GameState soundState()
    {
        GameState s = Testing::tradingState();
        s.Cash = pick(0, 2'000'000);
        s.Cannons = pick(0, 5);
        s.HoldCapacity = 60 + 50 * pick(0, 4);
        s.HoldUsed = 10 * s.Cannons;
        Whole room = WarehouseCapacity;
        for (Good good : AllGoods) {
            const Whole stored = pick(0, room);
            stockOf(s, Place::Warehouse, good) = stored;
            room -= stored;
        }
        newPrices(s);
        return s;
    }

    void newPrices(GameState &s)
    {
        for (Good good : AllGoods)
            priceOf(s, good) = pick(1, 25'000);
    }

    // A mix of what a player might type: nothing, a little, just enough, one too many, far
    // too much. A purchase's limits count the boxes filled before, as the dialog's do.
    TradeOrder order(const GameState &s, bool buying, Place place)
    {
        std::array<QString, 4> texts;
        texts.fill(QStringLiteral("0"));
        for (Good good : AllGoods) {
            const Currency most = buying ? largestPurchase(s, place, good, TradeOrder(texts))
                                         : stockOf(s, place, good);
            texts[std::size_t(good)] = amountText(whole(most));
        }
        return TradeOrder(texts);
    }

    Whole pick(Whole low, Whole high)
    {
        return std::uniform_int_distribution<Whole>(low, high)(m_random);
    }

  private:
    QString amountText(Whole limit)
    {
        switch (pick(0, 11)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return QStringLiteral("0");
        case 4:
        case 5:
        case 6:
            return QString::number(pick(0, limit));
        case 7:
            return QString::number(limit);
        case 8:
            return QStringLiteral("00") + QString::number(limit / 2);
        case 9:
            return QString::number(limit + 1);
        case 10:
            return QString::number(pick(0, 100'000));
        default:
            return QString(int(pick(16, 30)), QLatin1Char('9'));
        }
    }

    std::mt19937_64 m_random;
};

Whole warehouseTotal(const GameState &s)
{
    Whole total = 0;
    for (Good good : AllGoods)
        total += whole(stockOf(s, Place::Warehouse, good));
    return total;
}

void expectSound(const GameState &s)
{
    Whole shipCargo = 0;
    for (Good good : AllGoods) {
        shipCargo += whole(stockOf(s, Place::Ship, good));
        ASSERT_GE(stockOf(s, Place::Ship, good), 0);
        ASSERT_GE(stockOf(s, Place::Warehouse, good), 0);
    }
    ASSERT_EQ(whole(s.HoldUsed), shipCargo + 10 * whole(s.Cannons));
    ASSERT_LE(s.HoldUsed, s.HoldCapacity);
    ASSERT_GE(s.Cash, 0);
    ASSERT_LE(warehouseTotal(s), WarehouseCapacity);
}

// A done trade moved exactly its amounts, and the cash by exactly their value.
void expectExactTrade(const GameState &before, const GameState &after, bool buying, Place place,
                      const TradeOrder &order)
{
    Whole value = 0;
    for (Good good : AllGoods) {
        const Whole amount = whole(*order.amount(good));
        value += amount * whole(priceOf(before, good));
        const Whole moved =
            whole(stockOf(after, place, good)) - whole(stockOf(before, place, good));
        ASSERT_EQ(moved, buying ? amount : -amount);
    }
    ASSERT_EQ(whole(after.Cash) - whole(before.Cash), buying ? -value : value);
}

// The largest purchase of a good is bought without refusal, and one more unit is refused.
void expectLargestPurchaseIsExact(GameState s, Place place, Good good)
{
    const Currency most = largestPurchase(s, place, good, TradeOrder());
    std::array<Currency, 4> amounts{};
    amounts[std::size_t(good)] = most + 1;
    GameState refused = s;
    ASSERT_TRUE(buy(refused, place, TradeOrder::of(amounts[0], amounts[1], amounts[2], amounts[3]))
                    .refusal.has_value());
    amounts[std::size_t(good)] = most;
    ASSERT_FALSE(buy(s, place, TradeOrder::of(amounts[0], amounts[1], amounts[2], amounts[3]))
                     .refusal.has_value());
}

} // namespace

TEST(TradeProperties, RandomTradesKeepTheRecordSoundAndConserveMoney)
{
    RandomTrader trader(20'240'601);
    int done = 0;
    for (int sequence = 0; sequence < 2000; ++sequence) {
        GameState state = trader.soundState();
        for (int step = 0; step < 15; ++step) {
            if (trader.pick(0, 3) == 0)
                trader.newPrices(state);
            const bool buying = trader.pick(0, 1) == 0;
            const Place place = trader.pick(0, 1) == 0 ? Place::Ship : Place::Warehouse;
            if (buying) {
                ASSERT_NO_FATAL_FAILURE(expectLargestPurchaseIsExact(
                    state, place, AllGoods[std::size_t(trader.pick(0, 3))]));
            }
            const TradeOrder order = trader.order(state, buying, place);
            const GameState before = state;
            const TradeOutcome outcome =
                buying ? buy(state, place, order) : sell(state, place, order);
            if (outcome.refusal) {
                ASSERT_EQ(state, before);
            } else {
                ++done;
                ASSERT_NO_FATAL_FAILURE(expectExactTrade(before, state, buying, place, order));
            }
            ASSERT_NO_FATAL_FAILURE(expectSound(state));
        }
    }
    // The mix must reach both outcomes often, or the checks above prove little.
    EXPECT_GT(done, 5000);
    EXPECT_LT(done, 25000);
}

} // namespace Sardek
