#include "QtPrinters.h"

#include "core/GameState.h"
#include "core/Purchases.h"

#include <gtest/gtest.h>

namespace Sardek
{

// A purchase on a ship of 60 at 40 %: the refusal, or the record after it.
struct PurchaseCase {
    PurchaseOutcome (*purchase)(GameState &);
    int cash, holdUsed, price;
    const char *outcome; // the refusal or the log entry
    int cashAfter = 0, holdUsedAfter = 0, capacityAfter = 0, cannonsAfter = 0, statusAfter = 0;
};

TEST(Purchase, ChecksInOrderThenBuysLeavingGameSavedAsItWas)
{
    // clang-format off
    const PurchaseCase cases[] = {
        {purchaseCannon, 1200, 50, 1200, " - Bought a New Cannon for $1,200", 0, 60, 60, 1, 40},
        {purchaseCannon, 1200, 51, 1200, "Insufficient Hold     "},
        {purchaseCannon, 10, 51, 1200, "Insufficient Hold     "},
        {purchaseCannon, 1199, 0, 1200, "Insufficient Funds     "},
        {purchaseShip, 14500, 30, 14500, " - Bought a New Ship for $14,500", 0, 30, 110, 0, 100},
        {purchaseShip, 8999, 0, 9000, "Insufficient Funds     "},
    };
    // clang-format on
    for (const PurchaseCase &c : cases) {
        GameState state;
        state.Cash = c.cash;
        state.HoldUsed = c.holdUsed;
        state.HoldCapacity = 60;
        state.ShipStatus = 40;
        state.GameSaved = true;
        state.CannonPrice = state.ShipPrice = c.price;
        GameState expected = state;
        const PurchaseOutcome outcome = c.purchase(state);
        EXPECT_EQ(outcome.refusal.value_or(outcome.logEntry), QLatin1String(c.outcome));
        if (!outcome.refusal) {
            expected.Cash = c.cashAfter;
            expected.HoldUsed = c.holdUsedAfter;
            expected.HoldCapacity = c.capacityAfter;
            expected.Cannons = c.cannonsAfter;
            expected.ShipStatus = c.statusAfter;
        }
        EXPECT_EQ(state, expected) << c.outcome;
    }
}

} // namespace Sardek
