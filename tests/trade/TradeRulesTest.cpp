#include "GameStates.h"

#include "QtPrinters.h"

#include "trade/Trade.h"
#include "trade/TradeOrder.h"

#include <gtest/gtest.h>

#include <functional>

namespace Sardek
{

using Testing::tradingState;

namespace
{

const QString ThirtyDigits = QStringLiteral("123456789012345678901234567890");

TradeOrder order(const char *opium, const char *silk = "0", const char *arms = "0",
                 const char *general = "0")
{
    return TradeOrder(
        {QLatin1String(opium), QLatin1String(silk), QLatin1String(arms), QLatin1String(general)});
}

} // namespace

TEST(TradeOrder, AmountsAreTheDigitsUpToTheLargestWholeCurrency)
{
    EXPECT_EQ(order("007").amount(Good::Opium), Currency(7));
    EXPECT_EQ(order("1,5x0").amount(Good::Opium), Currency(150));
    EXPECT_EQ(order("abc").amount(Good::Opium), Currency(0));
    EXPECT_EQ(order("000922337203685477").amount(Good::Opium), Currency(Currency::MaxWhole));
    EXPECT_EQ(order("922337203685478").amount(Good::Opium), std::nullopt);
    EXPECT_EQ(order("9223372036854770").amount(Good::Opium), std::nullopt);
    EXPECT_EQ(TradeOrder({ThirtyDigits, "0", "0", "0"}).amount(Good::Opium), std::nullopt);
    EXPECT_EQ(order("0", "0", "1 x").digits(Good::Arms), "1");
    EXPECT_EQ(order("007").digits(Good::Opium), "007");
}

TEST(TradeOrder, AnyAmount_CountsOutOfRangeAmountsButNotZeros)
{
    EXPECT_FALSE(order("000", "", "x", "0").anyAmount());
    EXPECT_TRUE(order("0", "0", "0", "01").anyAmount());
    EXPECT_TRUE(TradeOrder({"0", ThirtyDigits, "0", "0"}).anyAmount());
}

// largestPurchase: the state, destination, good, the order (the good's own box ignored), M.
struct LargestCase {
    const char *name;
    std::function<void(GameState &)> setUp;
    Place destination;
    Good good;
    TradeOrder others;
    Currency expected;
};

TEST(LargestPurchase, ReservesTheOtherBoxesCostAndSpace)
{
    const LargestCase cases[] = {
        {"HoldCapsWhatCashAffords", [](GameState &s) { s.Cash = 305'000; }, Place::Ship,
         Good::Opium, order("999", "10"), 50},
        {"CashCapsWhatHoldTakes", [](GameState &) {}, Place::Ship, Good::Opium, order("0", "2"), 9},
        {"ExactlyAllTheCash", [](GameState &s) { s.Cash = 400; }, Place::Ship, Good::Arms,
         order("0"), 4},
        {"OneDollarShort", [](GameState &s) { s.Cash = 399; }, Place::Ship, Good::Arms, order("0"),
         3},
        {"OthersCostMoreThanTheCash", [](GameState &s) { s.Cash = 4000; }, Place::Ship,
         Good::General, order("3", "3"), 0},
        {"CannonsFillTheHold",
         [](GameState &s) {
             s.Cannons = 5;
             s.HoldUsed = 50;
         },
         Place::Ship, Good::General, order("0", "0", "4"), 6},
        {"OverfullHold", [](GameState &s) { s.HoldUsed = 70; }, Place::Ship, Good::General,
         order("0"), 0},
        {"WarehouseOf9990LeavesTen", [](GameState &s) { s.WarehouseSilk = 9990; }, Place::Warehouse,
         Good::General, order("0"), 10},
        {"WarehouseLessTheOtherBoxes",
         [](GameState &s) {
             s.WarehouseArms = 9000;
             s.WarehouseGeneral = 990;
         },
         Place::Warehouse, Good::General, order("0", "0", "4"), 6},
        {"WarehouseIgnoresTheHold", [](GameState &s) { s.HoldUsed = 60; }, Place::Warehouse,
         Good::Opium, order("0"), 10},
        {"FreeGoodIsLimitedBySpaceAlone",
         [](GameState &s) {
             s.PriceGeneral = 0;
             s.Cash = 0;
         },
         Place::Ship, Good::General, order("0"), 60},
        {"OutOfRangeOtherBoxLeavesNothing", [](GameState &s) { s.PriceSilk = 0; }, Place::Ship,
         Good::General, TradeOrder({"0", ThirtyDigits, "0", "0"}), 0},
        {"HugeCashAndHold",
         [](GameState &s) {
             s.Cash = Currency::max();
             s.HoldCapacity = Currency::max();
             s.PriceGeneral = 1;
         },
         Place::Ship, Good::General, order("0"), Currency(Currency::MaxWhole)},
        {"CashBelowZeroBuysNothing", [](GameState &s) { s.Cash = -5; }, Place::Ship, Good::General,
         order("0"), 0},
        {"FractionalFreeHoldCapsAtItsWholePart",
         [](GameState &s) {
             s.HoldUsed = Currency::fromRaw(10'5000);
             s.Cash = 1'000'000;
         },
         Place::Ship, Good::Arms, order("0"), 49}};
    for (const LargestCase &c : cases) {
        GameState state = tradingState();
        c.setUp(state);
        const GameState before = state;
        EXPECT_EQ(largestPurchase(state, c.destination, c.good, c.others), c.expected) << c.name;
        EXPECT_EQ(state, before);
    }
}

// buy(): the state, destination, order, and the refusal expected (none: the purchase happens).
struct BuyCase {
    const char *name;
    std::function<void(GameState &)> setUp;
    Place destination;
    TradeOrder order;
    std::optional<QString> refusal;
};

TEST(Buy, RefusalsComeInOrderAndChangeNothing)
{
    const BuyCase cases[] = {
        {"FundsBeforeHold", [](GameState &) {}, Place::Ship, order("11", "0", "0", "90"),
         InsufficientFunds},
        {"AffordableButOverTheHold", [](GameState &) {}, Place::Ship, order("0", "0", "0", "61"),
         InsufficientHold},
        {"ExactlyTheFreeHold", [](GameState &s) { s.HoldUsed = 10; }, Place::Ship,
         order("0", "0", "0", "50"), std::nullopt},
        {"ExactlyAllTheCash", [](GameState &) {}, Place::Ship, order("10"), std::nullopt},
        {"WarehouseOverTenThousand", [](GameState &s) { s.WarehouseOpium = 9990; },
         Place::Warehouse, order("0", "0", "0", "11"), InsufficientStorage},
        {"WarehouseToTheLastUnit", [](GameState &s) { s.WarehouseOpium = 9990; }, Place::Warehouse,
         order("0", "0", "0", "10"), std::nullopt},
        {"WarehouseFundsFirst", [](GameState &s) { s.WarehouseOpium = 10000; }, Place::Warehouse,
         order("11"), InsufficientFunds},
        {"ThirtyDigitsAtAFreePrice", [](GameState &s) { s.PriceOpium = 0; }, Place::Ship,
         TradeOrder({ThirtyDigits, "0", "0", "0"}), InsufficientFunds},
        {"CostBeyondTheMoneyType", [](GameState &s) { s.Cash = Currency::max(); }, Place::Warehouse,
         order("922337203685477"), InsufficientFunds},
        {"UnitsBeyondTheMoneyType",
         [](GameState &s) {
             s.PriceOpium = s.PriceSilk = 0;
             s.HoldCapacity = Currency::max();
         },
         Place::Ship, order("922337203685477", "922337203685477"), InsufficientHold},
        {"FreeGoodsIntoTheHold", [](GameState &s) { s.PriceGeneral = 0; }, Place::Ship,
         order("0", "0", "0", "60"), std::nullopt}};
    for (const BuyCase &c : cases) {
        GameState state = tradingState();
        c.setUp(state);
        const GameState before = state;
        const TradeOutcome outcome = buy(state, c.destination, c.order);
        EXPECT_EQ(outcome.refusal, c.refusal) << c.name;
        if (c.refusal) {
            EXPECT_EQ(state, before) << c.name;
        } else {
            EXPECT_FALSE(state.GameSaved) << c.name;
        }
    }
}

// One more than the stock of any one good refuses the whole sale.
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
            state.HoldUsed = source == Place::Ship ? 20 : 0;
            const GameState before = state;
            EXPECT_EQ(sell(state, source, TradeOrder(texts)).refusal, InsufficientCargo);
            EXPECT_EQ(state, before);
        }
}

TEST(Sell, OutOfRangeAmount_IsMoreThanAnyCargo)
{
    GameState state = tradingState();
    state.WarehouseOpium = Currency(Currency::MaxWhole);
    const GameState before = state;
    EXPECT_EQ(sell(state, Place::Warehouse, TradeOrder({ThirtyDigits, "0", "0", "0"})).refusal,
              InsufficientCargo);
    EXPECT_EQ(state, before);
}

// The log quotes the box's text as the player left it, not the number read from it.
TEST(Sell, LogsEachGoodSoldWithItsBoxTextAsGiven)
{
    GameState state = tradingState();
    state.ShipArms = 20;
    state.HoldUsed = 20;
    const TradeOutcome outcome = sell(state, Place::Ship, order("0", "0", "0 12"));
    EXPECT_EQ(outcome.logEntries, QStringList{" - Sold 0 12 Arms @ $100 Each"});
    EXPECT_EQ(state.ShipArms, 8);
}

} // namespace Sardek
