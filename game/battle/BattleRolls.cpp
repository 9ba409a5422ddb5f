#include "battle/BattleRolls.h"

#include <algorithm>
#include <cmath>

namespace Sardek::BattleRolls
{

namespace
{

// Int(rnd * n + m), a whole number from m to m + n - 1 for a whole n.
double rollInt(float rnd, double n, double m)
{
    return std::floor(double(rnd) * n + m);
}

} // namespace

int FleetSize(float rnd, Currency holdCapacity, bool pirateLord)
{
    double ships = rollInt(rnd, holdCapacity.toDouble() / 10 - 3 + 1, 3);
    if (pirateLord)
        ships *= 2;
    // A hold under 30 units could give no fleet at all; a battle needs a pirate to fight.
    return int(std::clamp(ships, 1.0, double(MaxFleet)));
}

bool TributeOverdue(Currency tributeCounter)
{
    return tributeCounter > 10;
}

bool PlayerShotHits(float rnd)
{
    return rollInt(rnd, 10, 1) >= 7;
}

bool PirateShotHits(float rnd)
{
    return rollInt(rnd, 10, 1) >= 4;
}

bool CannonLost(float rnd)
{
    return rollInt(rnd, 25, 1) == 2;
}

bool RunGetsAway(float rnd, Currency holdUsed, Currency holdCapacity, int enemyShips)
{
    const double fill = holdCapacity > 0 ? holdUsed.toDouble() / holdCapacity.toDouble() : 1.0;
    return rollInt(rnd, 4 * fill + 4 - 1 + 1, 1) == 1 || enemyShips < 2;
}

bool LordsFleetNear(float rnd)
{
    return rollInt(rnd, 8, 1) == 1;
}

int ShipsLeftBehind(float rnd, int enemyShips)
{
    return int(std::floor(double(rnd) * enemyShips / 2)) + 1;
}

Currency BootyPerShip(float rnd)
{
    return Currency(static_cast<long long>(rollInt(rnd, 1051, 300)));
}

} // namespace Sardek::BattleRolls
