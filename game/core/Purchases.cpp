#include "core/Purchases.h"

#include "core/GameState.h"
#include "core/MainForm.h"
#include "core/Refusals.h"
#include "runtime/Formats.h"

namespace Sardek
{

namespace
{

constexpr int CannonHoldUnits = 10;
constexpr int LargerShipCapacity = 50;

void completePurchase(MainForm &main, Order order, const Outcome &outcome)
{
    main.moveLogCaretToEnd();
    if (outcome.refusal) {
        showRefusal(main.runtime(), *outcome.refusal, &main.messageOwner());
        return;
    }
    main.setOrderEnabled(order, false);
    for (const QString &entry : outcome.logEntries)
        main.LogAppend(entry);
    main.UpdateMainForm();
}

Outcome bought(const QString &logEntry)
{
    Outcome outcome;
    outcome.logEntries << logEntry;
    return outcome;
}

} // namespace

Outcome purchaseCannon(GameState &state)
{
    if (state.HoldUsed + CannonHoldUnits > state.HoldCapacity)
        return {{}, PurchaseInsufficientHold};
    if (state.CannonPrice > state.Cash)
        return {{}, PurchaseInsufficientFunds};
    state.Cash -= state.CannonPrice;
    state.Cannons += 1;
    state.HoldUsed += CannonHoldUnits;
    return bought(QStringLiteral(" - Bought a New Cannon for ") +
                  FormatNumber(state.CannonPrice, NumberFormat::Dollars));
}

Outcome purchaseShip(GameState &state)
{
    if (state.ShipPrice > state.Cash)
        return {{}, PurchaseInsufficientFunds};
    state.Cash -= state.ShipPrice;
    state.HoldCapacity += LargerShipCapacity;
    state.ShipStatus = 100;
    return bought(QStringLiteral(" - Bought a New Ship for ") +
                  FormatNumber(state.ShipPrice, NumberFormat::Dollars));
}

void BuyCannon(MainForm &main)
{
    completePurchase(main, Order::Cannon, purchaseCannon(main.state()));
}

void BuyShip(MainForm &main)
{
    completePurchase(main, Order::Ship, purchaseShip(main.state()));
}

} // namespace Sardek
