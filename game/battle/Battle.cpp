#include "battle/Battle.h"

#include "battle/BattlePauses.h"
#include "battle/BattleRolls.h"
#include "battle/BattleView.h"
#include "core/GameState.h"
#include "runtime/Runtime.h"

namespace Sardek
{

namespace
{

bool hasCargo(const GameState &game)
{
    return game.ShipOpium >= 1 || game.ShipSilk >= 1 || game.ShipArms >= 1 || game.ShipGeneral >= 1;
}

} // namespace

Battle::Battle(GameState &game, Runtime &runtime, BattleView &view)
    : m_game(game), m_runtime(runtime), m_view(view)
{
}

UsableOrders Battle::usableOrders() const
{
    return decided() ? UsableOrders{} : m_usable;
}

UsableOrders Battle::ordersWhenArmed(bool armed) const
{
    return {armed, armed, true, hasCargo(m_game)};
}

void Battle::enableOrders(UsableOrders orders)
{
    m_usable = orders;
    m_view.enableOrders(orders);
}

void Battle::Open()
{
    m_state = BattleState{};
    // The opening wants a whole gun to fight (a saved file may hold half of one); after a
    // volley any gun left will do.
    enableOrders(ordersWhenArmed(m_game.Cannons >= 1));
    const float fleetRoll = m_runtime.Rnd();
    m_pirateLord = BattleRolls::TributeOverdue(m_game.TributeCounter);
    m_state.EnemyShips = BattleRolls::FleetSize(fleetRoll, m_game.HoldCapacity, m_pirateLord);
    m_view.showEnemyShips(m_state.EnemyShips);
    m_view.showStatus(m_game.ShipStatus);
    m_view.showCannons(m_game.Cannons);
    say(QStringLiteral("Sardek, what shall we do?"));
    for (int index = 0; index < m_state.EnemyShips; ++index)
        m_view.showShip(index, true);
}

void Battle::Fight()
{
    if (!usableOrders().fight)
        return;
    fightTurn();
    continueFightToDeath();
}

void Battle::FightToTheDeath()
{
    if (!usableOrders().death)
        return;
    m_state.FightToDeath = true;
    Fight();
}

// The turns that follow without waiting for the player, one after another in this loop.
void Battle::continueFightToDeath()
{
    while (m_state.FightToDeath && m_game.Cannons > 0 && !decided())
        fightTurn();
}

void Battle::fightTurn()
{
    enableOrders({});
    say(QStringLiteral("We're firing on 'em, Sardek!"));
    pause(BattlePauses::Step, BattlePauses::StepToDeath);
    int sunkThisTurn = 0;
    const Currency guns = m_game.Cannons;
    for (Currency gun = 1; gun <= guns; gun += 1) {
        pause(BattlePauses::Shot, BattlePauses::ShotToDeath);
        if (!BattleRolls::PlayerShotHits(m_runtime.Rnd()))
            continue;
        ++sunkThisTurn;
        sinkPirate();
        if (m_state.EnemyShips < 1) {
            victory();
            return;
        }
    }
    say(QStringLiteral("Sunk ") + QString::number(sunkThisTurn) +
        QStringLiteral(" of those buggers, Sardek!"));
    pause(BattlePauses::Step, BattlePauses::StepToDeath);
    enemyFire();
}

void Battle::sinkPirate()
{
    ++m_state.ShipsSunk;
    const int index = m_state.EnemyShips - 1;
    for (int frame = 1; frame <= BattlePauses::SinkFrames; ++frame) {
        m_view.showSinkingFrame(index, frame);
        if (!m_state.FightToDeath)
            m_runtime.Delay(BattlePauses::SinkFrame);
    }
    m_view.showShip(index, false);
    m_view.showEnemyShips(--m_state.EnemyShips);
}

void Battle::Run()
{
    if (!usableOrders().run)
        return;
    enableOrders({});
    say(QStringLiteral("Aye, we'll run, Sardek!"));
    m_runtime.Delay(BattlePauses::RunStart);
    if (BattleRolls::RunGetsAway(m_runtime.Rnd(), m_game.HoldUsed, m_game.HoldCapacity,
                                 m_state.EnemyShips)) {
        say(QStringLiteral("We got away from them, Sardek!!"));
        m_runtime.Delay(BattlePauses::RunOutcome);
        m_outcome = BattleOutcome::GotAway;
        return;
    }
    if (BattleRolls::LordsFleetNear(m_runtime.Rnd()) && m_game.TributeCounter < 11) {
        say(QStringLiteral("Mok Sai's fleet drove them off!"));
        m_runtime.Delay(BattlePauses::RunOutcome);
        m_outcome = BattleOutcome::DrivenOff;
        return;
    }
    leaveShipsBehind(BattleRolls::ShipsLeftBehind(m_runtime.Rnd(), m_state.EnemyShips));
    m_runtime.Delay(BattlePauses::RunOutcome);
    enemyFire();
    continueFightToDeath();
}

// Ships left behind vanish without sinking: they bring no booty.
void Battle::leaveShipsBehind(int lost)
{
    say(QStringLiteral("Can't lose 'em, but we escaped from ") + QString::number(lost));
    for (int i = 0; i < lost; ++i)
        m_view.showShip(--m_state.EnemyShips, false);
    m_view.showEnemyShips(m_state.EnemyShips);
}

void Battle::DumpCargo()
{
    if (!usableOrders().dump)
        return;
    const MsgBoxResult answer = m_runtime.MsgBox(
        QStringLiteral("Are you sure you want to dump all of your cargo.     "),
        MsgBoxStyle::QuestionYesNo, QStringLiteral("Dump Cargo"), m_view.messageParent());
    if (answer != MsgBoxResult::Yes)
        return;
    m_game.ShipOpium = m_game.ShipSilk = m_game.ShipArms = m_game.ShipGeneral = 0;
    m_game.HoldUsed = m_game.Cannons * 10;
    m_usable.dump = false;
    enableOrders(m_usable);
    m_view.redrawMainWindow();
}

void Battle::say(const QString &text)
{
    m_view.showReport(text);
}

void Battle::pause(std::uint32_t normal, std::uint32_t fightingToDeath)
{
    m_runtime.Delay(m_state.FightToDeath ? fightingToDeath : normal);
}

} // namespace Sardek
