#pragma once

#include "core/Goods.h"
#include "core/Outcome.h"
#include "runtime/Currency.h"
#include "services/TypedAmount.h"

namespace Sardek
{

struct GameState;

/// One press of Transfer: a good and amount from the ship to the warehouse, another (or the
/// same) good and amount from the warehouse to the ship.
struct TransferOrder {
    Good toWarehouseGood = Good::Opium;
    TypedAmount toWarehouse;
    Good toShipGood = Good::Opium;
    TypedAmount toShip;
};

/// HoldCapacity - HoldUsed; below 0 when the ship carries more than it holds.
Currency freeHold(const GameState &state);
/// The units of all goods in the warehouse together.
Currency warehouseTotal(const GameState &state);

/// The largest amount of good the ship-to-warehouse list offers: the ship's stock, or the
/// warehouse's free space when that is smaller.
Currency toWarehouseMaximum(const GameState &state, Good good);
/// The largest amount of good the warehouse-to-ship list offers: the warehouse's stock, or the
/// free hold when that is smaller.
Currency toShipMaximum(const GameState &state, Good good);

/**
 * Moves order's goods, checking on the state before either move, in this order: the amount to
 * the ship against the warehouse's stock (InsufficientCargo) and the free hold
 * (InsufficientHold), the amount to the warehouse against the ship's stock (InsufficientCargo)
 * and the warehouse's free space (InsufficientStorage); an out-of-range amount fails its first
 * check. The first failure changes nothing. Otherwise the warehouse-to-ship move is made and
 * logged first (" - Transfered 50 Opium to Ship"), then the other (" - Transfered 120 General
 * to Warehouse"), each only when above 0 and each quoting its amount's digits as typed
 * ("007"); GameSaved is cleared.
 */
Outcome transferCargo(GameState &state, const TransferOrder &order);

} // namespace Sardek
