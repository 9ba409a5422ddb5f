#include "QtPrinters.h"

#include "core/GameState.h"
#include "core/Purchases.h"

#include <gtest/gtest.h>

namespace Sardek
{

// A purchase at cash, hold use and price: the refusal, or the cash, hold use and capacity
// after it.
struct PurchaseCase {
    const char *name;
    PurchaseOutcome (*purchase)(GameState &);
    int cash, holdUsed, price;
    const char *refusal; // null when bought
    int cashAfter = 0, holdUsedAfter = 0, capacityAfter = 0;
};

class Purchase : public ::testing::TestWithParam<PurchaseCase>
{
};

TEST_P(Purchase, ChecksInOrderThenBuysLeavingGameSavedAsItWas)
{
    const PurchaseCase &c = GetParam();
    GameState state;
    state.Cash = c.cash;
    state.HoldUsed = c.holdUsed;
    state.HoldCapacity = 60;
    state.ShipStatus = 40;
    state.GameSaved = true;
    state.CannonPrice = state.ShipPrice = c.price;
    GameState expected = state;
    const PurchaseOutcome outcome = c.purchase(state);
    EXPECT_EQ(outcome.refusal, c.refusal ? std::optional<QString>(c.refusal) : std::nullopt);
    if (!c.refusal) {
        expected.Cash = c.cashAfter;
        expected.HoldUsed = c.holdUsedAfter;
        expected.HoldCapacity = c.capacityAfter;
        expected.Cannons = c.purchase == purchaseCannon ? 1 : 0;
        expected.ShipStatus = c.purchase == purchaseCannon ? 40 : 100;
    }
    EXPECT_EQ(state, expected);
}

// clang-format off
const PurchaseCase PurchaseCases[] = {
    {"CannonAtExactCashAndHold", purchaseCannon, 1200, 50, 1200, nullptr, 0, 60, 60},
    {"CannonOneUnitTooMany", purchaseCannon, 1200, 51, 1200, "Insufficient Hold     "},
    {"CannonShortOfBoth_SaysHold", purchaseCannon, 10, 51, 1200, "Insufficient Hold     "},
    {"CannonShortOfCash", purchaseCannon, 1199, 0, 1200, "Insufficient Funds     "},
    {"ShipAtExactCash_SoundWithItsCargo", purchaseShip, 9000, 30, 9000, nullptr, 0, 30, 110},
    {"ShipShortOfCash", purchaseShip, 8999, 0, 9000, "Insufficient Funds     "},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Edges, Purchase, ::testing::ValuesIn(PurchaseCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PurchaseLog, NamesThePricePaid)
{
    GameState state;
    state.Cash = state.ShipPrice = 14500;
    EXPECT_EQ(purchaseShip(state).logEntry, " - Bought a New Ship for $14,500");
}

} // namespace Sardek
