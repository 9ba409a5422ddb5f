#include "GameStates.h"

#include "QtPrinters.h"

#include "trade/Trade.h"
#include "trade/TradeOrder.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace Sardek
{

using namespace Testing;

using Testing::tradingState;

namespace
{

const QString ThirtyDigits = QStringLiteral("123456789012345678901234567890");

TradeOrder order(const QString &opium, const char *silk = "0", const char *arms = "0",
                 const char *general = "0")
{
    return TradeOrder({opium, QLatin1String(silk), QLatin1String(arms), QLatin1String(general)});
}

using S = GameState;

// The trading state with some fields set: with(&S::Cash, 400, &S::HoldUsed, 10).
GameState with()
{
    return tradingState();
}

template <typename... More> GameState with(Currency S::*field, Currency value, More... more)
{
    GameState state = with(more...);
    state.*field = value;
    return state;
}

} // namespace

// An amount is the box's digits up to the largest whole currency; beyond it there is none, which
// still counts as an amount for enabling the trade.
TEST(TradeOrder, AmountsAreTheDigitsUpToTheLargestWholeCurrency)
{
    EXPECT_EQ(order("1,5x0").amount(Good::Opium), Currency(150));
    EXPECT_EQ(order("000922337203685477").amount(Good::Opium), Currency(Currency::MaxWhole));
    EXPECT_EQ(order("922337203685478").amount(Good::Opium), std::nullopt);
    EXPECT_EQ(order("9223372036854770").amount(Good::Opium), std::nullopt);
    EXPECT_EQ(order(ThirtyDigits).amount(Good::Opium), std::nullopt);
    EXPECT_EQ(order("0", "0", "1 x").digits(Good::Arms), "1");
    EXPECT_FALSE(order("000", "", "x", "0").anyAmount());
    EXPECT_TRUE(order("0", "0", "0", "01").anyAmount());
    EXPECT_TRUE(order(ThirtyDigits).anyAmount());
}

// largestPurchase: the state, destination, good, the order (the good's own box ignored), and the
// most it allows.
TEST(LargestPurchase, ReservesTheOtherBoxesCostAndSpace)
{
    const std::tuple<const char *, GameState, Place, Good, TradeOrder, Currency> cases[] = {
        {"ExactlyAllTheCash", with(&S::Cash, 400), Place::Ship, Good::Arms, order("0"), 4},
        {"OneDollarShort", with(&S::Cash, 399), Place::Ship, Good::Arms, order("0"), 3},
        {"OthersCostMoreThanTheCash", with(&S::Cash, 4000), Place::Ship, Good::General,
         order("3", "3"), 0},
        {"CannonsFillTheHold", with(&S::Cannons, 5, &S::HoldUsed, 50), Place::Ship, Good::General,
         order("0", "0", "4"), 6},
        {"OverfullHold", with(&S::HoldUsed, 70), Place::Ship, Good::General, order("0"), 0},
        {"WarehouseOf9990LeavesTen", with(&S::WarehouseSilk, 9990), Place::Warehouse, Good::General,
         order("0"), 10},
        {"WarehouseLessTheOtherBoxes", with(&S::WarehouseArms, 9000, &S::WarehouseGeneral, 990),
         Place::Warehouse, Good::General, order("0", "0", "4"), 6},
        {"WarehouseIgnoresTheHold", with(&S::HoldUsed, 60), Place::Warehouse, Good::Opium,
         order("0"), 10},
        {"FreeGoodIsLimitedBySpaceAlone", with(&S::PriceGeneral, 0, &S::Cash, 0), Place::Ship,
         Good::General, order("0"), 60},
        {"OutOfRangeOtherBoxLeavesNothing", with(&S::PriceSilk, 0), Place::Ship, Good::General,
         TradeOrder({"0", ThirtyDigits, "0", "0"}), 0},
        {"HugeCashAndHold",
         with(&S::Cash, Currency::max(), &S::HoldCapacity, Currency::max(), &S::PriceGeneral, 1),
         Place::Ship, Good::General, order("0"), Currency(Currency::MaxWhole)},
        {"CashBelowZeroBuysNothing", with(&S::Cash, -5), Place::Ship, Good::General, order("0"),
         0}};
    for (const auto &[name, state, destination, good, others, expected] : cases)
        EXPECT_EQ(largestPurchase(state, destination, good, others), expected) << name;
}

// buy(): the state, destination, order, and the refusal expected (none: the purchase happens).
TEST(Buy, RefusalsComeInOrderAndChangeNothing)
{
    const std::tuple<const char *, GameState, Place, TradeOrder, std::optional<QString>> cases[] = {
        {"FundsBeforeHold", with(), Place::Ship, order("11", "0", "0", "90"), InsufficientFunds},
        {"ExactlyAllTheCash", with(&S::Cash, 1610), Place::Ship, order("1", "1", "1", "1"),
         std::nullopt},
        {"ExactlyTheFreeHold", with(&S::HoldUsed, 10), Place::Ship, order("0", "0", "0", "50"),
         std::nullopt},
        {"WarehouseOverTenThousand", with(&S::WarehouseOpium, 9990), Place::Warehouse,
         order("0", "0", "0", "11"), InsufficientStorage},
        {"WarehouseFundsFirst", with(&S::WarehouseOpium, 10000), Place::Warehouse, order("11"),
         InsufficientFunds},
        {"ThirtyDigitsAtAFreePrice", with(&S::PriceOpium, 0), Place::Ship, order(ThirtyDigits),
         InsufficientFunds},
        {"CostBeyondTheMoneyType", with(&S::Cash, Currency::max()), Place::Warehouse,
         order("922337203685477"), InsufficientFunds},
        {"UnitsBeyondTheMoneyType",
         with(&S::PriceOpium, 0, &S::PriceSilk, 0, &S::HoldCapacity, Currency::max()), Place::Ship,
         order("922337203685477", "922337203685477"), InsufficientHold},
        {"FreeGoodsIntoTheHold", with(&S::PriceGeneral, 0), Place::Ship, order("0", "0", "0", "60"),
         std::nullopt}};
    for (const auto &[name, before, destination, trade, refusal] : cases) {
        GameState state = before;
        EXPECT_EQ(buy(state, destination, trade).refusal, refusal) << name;
        EXPECT_TRUE(refusal ? state == before : !state.GameSaved) << name;
    }
}

// $10,000 at 1,000 / 500 / 100 / 10, 9,990 opium in the warehouse and 20 silk aboard: a
// purchase fills the warehouse to its last unit, a sale empties part of it (a refusal would
// change nothing), and the hold never moves.
TEST(WarehouseTrade, BuyingInAndSellingOut_MoveTheCashAndTheStockButNotTheHold)
{
    GameState state = with(&S::WarehouseOpium, 9990, &S::ShipSilk, 20, &S::HoldUsed, 20);
    const auto stocks = [&s = state] {
        return std::vector<Currency>{s.Cash,          s.WarehouseOpium,   s.WarehouseSilk,
                                     s.WarehouseArms, s.WarehouseGeneral, s.ShipSilk,
                                     s.HoldUsed};
    };
    // 1 × 500 + 2 × 100 + 7 × 10 = 770.
    const Outcome bought = buy(state, Place::Warehouse, order("0", "1", "2", "7"));
    EXPECT_EQ(stocks(), (std::vector<Currency>{9230, 9990, 1, 2, 7, 20, 20}));
    EXPECT_EQ(bought.logEntries,
              (QStringList{" - Bought 1 Silk @ $500 Each", " - Bought 2 Arms @ $100 Each",
                           " - Bought 7 General @ $10 Each"}));
    // 5 × 1,000 + 1 × 500 + 7 × 10 = 5,570.
    const Outcome sold = sell(state, Place::Warehouse, order("5", "1", "0", "07"));
    EXPECT_EQ(stocks(), (std::vector<Currency>{14800, 9985, 0, 2, 0, 20, 20}));
    EXPECT_EQ(sold.logEntries,
              (QStringList{" - Sold 5 Opium @ $1,000 Each", " - Sold 1 Silk @ $500 Each",
                           " - Sold 07 General @ $10 Each"}));
}

// One more than the stock of any one good, or an amount beyond the money type, refuses the
// whole sale.
TEST(Sell, OneTooManyOfAnyGood_RefusesTheWholeSale)
{
    for (Good tooMany : AllGoods)
        for (Place source : {Place::Ship, Place::Warehouse}) {
            GameState state = tradingState();
            std::array<QString, 4> texts;
            for (Good good : AllGoods) {
                stockOf(state, source, good) = 5;
                texts[std::size_t(good)] = good == tooMany ? "6" : "5";
            }
            const GameState before = state;
            EXPECT_EQ(sell(state, source, TradeOrder(texts)).refusal, InsufficientCargo);
            EXPECT_EQ(state, before);
        }
    GameState state = with(&S::WarehouseOpium, Currency::MaxWhole);
    EXPECT_EQ(sell(state, Place::Warehouse, order(ThirtyDigits)).refusal, InsufficientCargo);
    EXPECT_EQ(state.WarehouseOpium, Currency(Currency::MaxWhole));
}

} // namespace Sardek
