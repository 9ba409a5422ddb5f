#pragma once

#include "runtime/Currency.h"

namespace Sardek
{

/**
 * What each of the battle's random rolls decides, given the roll (0 <= rnd < 1). The battle
 * rolls the numbers in its own order; these say only what one number means, so the odds can
 * be checked on their own.
 */
namespace BattleRolls
{

/// The largest fleet the window can show.
inline constexpr int MaxFleet = 48;

/// The pirates met: 3 to capacity / 10, each equally likely, doubled for the pirate lord's
/// fleet (tribute overdue), then at most MaxFleet; never fewer than 1, whatever the hold.
int FleetSize(float rnd, Currency holdCapacity, bool pirateLord);
/// The tribute is overdue, so the pirate lord's own fleet attacks and his protection is gone.
bool TributeOverdue(Currency tributeCounter);

/// A shot of the player's sinks a pirate: 4 in 10.
bool PlayerShotHits(float rnd);
/// A pirate's shot hits the player: 7 in 10.
bool PirateShotHits(float rnd);
/// The volley destroys one of the player's cannons: 1 in 25.
bool CannonLost(float rnd);
/// Run gets away: 1 in (4 + 4f) for the hold's fill f = used / capacity (an empty or
/// unusable capacity counts as full); always against a single pirate.
bool RunGetsAway(float rnd, Currency holdUsed, Currency holdCapacity, int enemyShips);
/// The pirate lord's fleet happens by: 1 in 8 (it helps only while no tribute is overdue).
bool LordsFleetNear(float rnd);
/// How many of enemyShips (2 or more) a failed escape leaves behind: 1 to enemyShips / 2.
int ShipsLeftBehind(float rnd, int enemyShips);
/// The booty each sunk ship brings: 300 to 1,350.
Currency BootyPerShip(float rnd);

} // namespace BattleRolls

} // namespace Sardek
