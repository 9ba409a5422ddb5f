#pragma once

#include "battle/BattleState.h"
#include "battle/BattleView.h"
#include "core/PirateEncounter.h"
#include "runtime/Currency.h"

#include <functional>

namespace Sardek
{

class Battle;
class Runtime;
struct GameState;

/// A view that shows nothing, for battles played without windows.
class SilentBattleView : public BattleView
{
  public:
    void showReport(const QString &) override {}
    void showEnemyShips(int) override {}
    void showStatus(Currency) override {}
    void showCannons(Currency) override {}
    void enableOrders(UsableOrders) override {}
    void showShip(int, bool) override {}
    void showSinkingFrame(int, int) override {}
    void showHit(bool) override {}
    void appendLogEntry(const QString &) override {}
    void redrawMainWindow() override {}
};

/// The orders a player can give in battle.
enum class BattleOrder { Fight, FightToDeath, Run, DumpCargo };

/// Chooses the next order from those usable now (Run always is).
using BattleStrategy = std::function<BattleOrder(const Battle &battle, UsableOrders usable)>;

namespace BattleStrategies
{
/// Fight while a gun is left, then run.
BattleStrategy Fight();
/// Fight to the death while a gun is left, then run.
BattleStrategy FightToDeath();
/// Run at once.
BattleStrategy Run();
/// Throw the cargo overboard first, then run.
BattleStrategy DumpAndRun();
} // namespace BattleStrategies

/**
 * Plays one battle through the rules to its end without a window: strategy gives each order.
 * An order that cannot be given becomes Run, and Dump Cargo is offered once a battle (its
 * question is answered by the runtime), so every strategy ends its battles.
 */
BattleOutcome PlayBattle(GameState &game, Runtime &runtime, BattleView &view,
                         const BattleStrategy &strategy);

/// Battles met on a voyage without windows, each played by strategy.
class HeadlessBattle final : public PirateEncounter
{
  public:
    /// view shows the battles (none: a silent one); it must outlive this encounter.
    HeadlessBattle(GameState &game, Runtime &runtime, BattleStrategy strategy,
                   BattleView *view = nullptr);
    // A copy would show its battles through the original's silent view.
    HeadlessBattle(const HeadlessBattle &) = delete;
    HeadlessBattle &operator=(const HeadlessBattle &) = delete;

    void MeetPirates(QObject *owner) override;

    /// How the last battle ended (Running before the first). After ProgramEnded the runtime
    /// was asked to end the program: the caller stops playing.
    BattleOutcome lastOutcome() const { return m_lastOutcome; }
    int battlesFought() const { return m_battles; }

  private:
    GameState &m_game;
    Runtime &m_runtime;
    BattleStrategy m_strategy;
    SilentBattleView m_silent;
    BattleView &m_view;
    BattleOutcome m_lastOutcome = BattleOutcome::Running;
    int m_battles = 0;
};

} // namespace Sardek
