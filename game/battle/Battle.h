#pragma once

#include "battle/BattleState.h"

#include <cstdint>

class QString;

namespace Sardek
{

class BattleView;
class Runtime;
struct GameState;

/**
 * The rules of a sea battle: the opening, the four orders, the pirates' volley and the
 * victory, on the game record and the runtime, shown through a BattleView. Each order plays
 * out in full before it returns, pacing itself with the runtime's Delay; an order given when
 * it cannot be (Fight without guns, Dump without cargo, anything once the battle is decided)
 * is ignored. A fight to the death repeats its turns in a loop, so its length never grows the
 * stack.
 */
class Battle
{
  public:
    Battle(GameState &game, Runtime &runtime, BattleView &view);

    /// Meets the fleet: resets the battle state, rolls the fleet's size and shows it all.
    void Open();
    /// The pirate lord's own fleet attacks (the tribute is overdue).
    bool pirateLord() const { return m_pirateLord; }

    void Fight();
    /// Fights turn after turn without waiting, with short pauses, until the battle is
    /// decided or the last gun is lost.
    void FightToTheDeath();
    void Run();
    /// Asks first; throwing the cargo overboard costs no turn.
    void DumpCargo();

    const BattleState &state() const { return m_state; }
    BattleOutcome outcome() const { return m_outcome; }
    bool decided() const { return m_outcome != BattleOutcome::Running; }
    /// The orders the window offers now, none while an order plays out or once the battle is
    /// decided: Run always, Dump with cargo aboard, Fight and Fight to Death at the opening
    /// with a whole gun, after a volley with any gun (a saved file may hold half of one).
    UsableOrders usableOrders() const;

  private:
    /// Fight and Fight to Death when armed; Run; Dump with cargo aboard.
    UsableOrders ordersWhenArmed(bool armed) const;
    /// What the window offers, and so which orders are taken.
    void enableOrders(UsableOrders orders);
    void fightTurn();
    void continueFightToDeath();
    void sinkPirate();
    void enemyFire();
    /// One pirate's shot; false when it sank the player's ship.
    bool pirateShot();
    void maybeLoseCannon();
    void victory();
    void askToPlayAgain();
    void leaveShipsBehind(int lost);
    void endVolley();
    void say(const QString &text);
    void pause(std::uint32_t normal, std::uint32_t fightingToDeath);

    GameState &m_game;
    Runtime &m_runtime;
    BattleView &m_view;
    BattleState m_state;
    BattleOutcome m_outcome = BattleOutcome::Running;
    UsableOrders m_usable;
    bool m_pirateLord = false;
};

} // namespace Sardek
