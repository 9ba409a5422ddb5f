#pragma once

namespace Sardek
{

/// The state of one battle, discarded with it: a new battle starts from scratch.
struct BattleState {
    int EnemyShips = 0;        ///< pirate ships afloat: 1 to 48 at the start
    int ShipsSunk = 0;         ///< pirates the player sank in this battle; sets the booty
    bool FightToDeath = false; ///< set by the Fight to Death order, never cleared
};

/// How a battle stands: running, or how it was decided.
enum class BattleOutcome {
    Running,
    Victory,      ///< the last pirate sunk, the booty taken
    GotAway,      ///< Run escaped
    DrivenOff,    ///< the pirate lord's fleet drove the pirates off
    Sunk,         ///< the player's ship sank and the player chose to play again
    ProgramEnded, ///< the player's ship sank and the player chose to stop playing
};

/// Which of the four orders can be given.
struct UsableOrders {
    bool fight = false;
    bool death = false;
    bool run = false;
    bool dump = false;

    bool operator==(const UsableOrders &) const = default;
};

} // namespace Sardek
