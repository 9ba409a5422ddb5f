#pragma once

#include "core/Outcome.h"
#include "runtime/Currency.h"

namespace Sardek
{

struct GameState;

/// The best condition a ship can be in, and the slider's top.
inline constexpr int FullRepair = 100;

/// The price of one percentage point: 10 x HoldCapacity; 0 (free) when the capacity is not
/// above 0, so an edited game never pays the player for a repair.
Currency repairRate(const GameState &state);

/// The highest condition the cash pays for: ShipStatus + Int(Cash / rate), which may pass 100;
/// unbounded (Currency::MaxWhole) while repairs are free.
Currency RepairLimit(const GameState &state);

/// condition rounded to a whole number (halves away from 0), within 0 ... 100.
int sliderPosition(Currency condition);

/// Where the slider rests when moved to position: no higher than RepairLimit, no lower than
/// ShipStatus (each rounded to a whole number), within 0 ... 100.
int repairTarget(const GameState &state, int position);

/// The price of repairing to condition target, (target - ShipStatus) x rate, rounded to whole
/// dollars as the dialog shows it.
Currency repairPrice(const GameState &state, int target);

/**
 * Repairs to condition target (at most 100; the slider allows only what repairTarget() gives)
 * at repairPrice():
 * refused with InsufficientFunds above Cash; otherwise takes the price from Cash, logs
 * " - Repaired 5% of Ship for $3,000" and clears GameSaved. A target not above ShipStatus
 * repairs nothing and changes nothing.
 */
Outcome repairTo(GameState &state, int target);

/**
 * Repairs as many whole points as the cash pays for, up to 100, logged as for repairTo().
 * When the cash pays for less than one point (or the ship needs none) nothing changes and the
 * outcome is empty.
 */
Outcome repairMax(GameState &state);

} // namespace Sardek
