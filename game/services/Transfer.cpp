#include "services/Transfer.h"

#include "core/GameState.h"
#include "core/Refusals.h"

#include <algorithm>

namespace Sardek
{

namespace
{

std::optional<QString> firstFailedCheck(const GameState &state, const TransferOrder &order)
{
    if (exceeds(order.toShip, stockOf(state, Place::Warehouse, order.toShipGood)))
        return InsufficientCargo;
    if (exceeds(order.toShip, freeHold(state)))
        return InsufficientHold;
    if (exceeds(order.toWarehouse, stockOf(state, Place::Ship, order.toWarehouseGood)))
        return InsufficientCargo;
    const auto space = Currency::checkedSub(Currency(WarehouseCapacity), warehouseTotal(state));
    if (!space || exceeds(order.toWarehouse, *space))
        return InsufficientStorage;
    return std::nullopt;
}

QString logEntry(const TypedAmount &amount, Good good, const char *destination)
{
    return QStringLiteral(" - Transfered ") + amount.digits() + QLatin1Char(' ') + goodName(good) +
           QLatin1String(destination);
}

} // namespace

Currency freeHold(const GameState &state)
{
    return state.HoldCapacity - state.HoldUsed;
}

Currency warehouseTotal(const GameState &state)
{
    Currency total = 0;
    for (Good good : AllGoods)
        total += stockOf(state, Place::Warehouse, good);
    return total;
}

Currency toWarehouseMaximum(const GameState &state, Good good)
{
    return std::min(stockOf(state, Place::Ship, good),
                    Currency(WarehouseCapacity) - warehouseTotal(state));
}

Currency toShipMaximum(const GameState &state, Good good)
{
    return std::min(stockOf(state, Place::Warehouse, good), freeHold(state));
}

Outcome transferCargo(GameState &state, const TransferOrder &order)
{
    Outcome outcome;
    outcome.refusal = firstFailedCheck(state, order);
    if (outcome.refusal)
        return outcome;
    if (const Currency w = *order.toShip.value(); w > 0) {
        stockOf(state, Place::Warehouse, order.toShipGood) -= w;
        stockOf(state, Place::Ship, order.toShipGood) += w;
        state.HoldUsed += w;
        outcome.logEntries << logEntry(order.toShip, order.toShipGood, " to Ship");
    }
    if (const Currency s = *order.toWarehouse.value(); s > 0) {
        stockOf(state, Place::Warehouse, order.toWarehouseGood) += s;
        stockOf(state, Place::Ship, order.toWarehouseGood) -= s;
        state.HoldUsed -= s;
        outcome.logEntries << logEntry(order.toWarehouse, order.toWarehouseGood, " to Warehouse");
    }
    state.GameSaved = false;
    return outcome;
}

} // namespace Sardek
