#include "QtPrinters.h"

#include "core/GameState.h"
#include "core/Purchases.h"

#include <gtest/gtest.h>

#include <functional>

namespace Sardek
{

// A purchase at cash, hold use and price; the refusal or the cash, hold and status after.
struct PurchaseCase {
    const char *name;
    std::function<PurchaseOutcome(GameState &)> purchase;
    Currency cash, holdUsed, price;
    const char *refusal; // null when bought
    Currency cashAfter = {}, holdUsedAfter = {}, capacityAfter = {};
};

class Purchase : public ::testing::TestWithParam<PurchaseCase>
{
};

TEST_P(Purchase, ChecksInOrderThenBuys)
{
    const PurchaseCase &c = GetParam();
    GameState state;
    state.Cash = c.cash;
    state.HoldUsed = c.holdUsed;
    state.HoldCapacity = 60;
    state.ShipStatus = 40;
    state.GameSaved = true;
    state.CannonPrice = state.ShipPrice = c.price;
    const GameState before = state;
    const PurchaseOutcome outcome = c.purchase(state);
    if (c.refusal) {
        EXPECT_EQ(outcome.refusal, QLatin1String(c.refusal));
        EXPECT_EQ(state, before);
        return;
    }
    EXPECT_EQ(outcome.refusal, std::nullopt);
    EXPECT_EQ(std::tuple(state.Cash, state.HoldUsed, state.HoldCapacity),
              std::tuple(c.cashAfter, c.holdUsedAfter, c.capacityAfter));
    EXPECT_TRUE(state.GameSaved);
}

const PurchaseCase PurchaseCases[] = {
    {"CannonAtExactCashAndHold", purchaseCannon, 1200, 50, 1200, nullptr, 0, 60, 60},
    {"CannonOneUnitTooMany", purchaseCannon, 1200, 51, 1200, "Insufficient Hold     "},
    {"CannonShortOfBoth_SaysHold", purchaseCannon, 10, 51, 1200, "Insufficient Hold     "},
    {"CannonShortOfCash", purchaseCannon, 1199, 0, 1200, "Insufficient Funds     "},
    {"ShipAtExactCash", purchaseShip, 9000, 30, 9000, nullptr, 0, 30, 110},
    {"ShipShortOfCash", purchaseShip, 8999, 0, 9000, "Insufficient Funds     "},
};

INSTANTIATE_TEST_SUITE_P(Edges, Purchase, ::testing::ValuesIn(PurchaseCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PurchaseLog, NamesThePricePaid)
{
    GameState state;
    state.Cash = state.ShipPrice = 14500;
    state.ShipStatus = 40;
    EXPECT_EQ(purchaseShip(state).logEntry, " - Bought a New Ship for $14,500");
    EXPECT_EQ(state.ShipStatus, 100);
}

} // namespace Sardek
