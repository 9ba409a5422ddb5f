// The pirates' volley and the two ways it can end a battle, and the victory.
#include "battle/Battle.h"

#include "battle/BattlePauses.h"
#include "battle/BattleRolls.h"
#include "battle/BattleView.h"
#include "core/GameState.h"
#include "runtime/Formats.h"
#include "runtime/Runtime.h"

namespace Sardek
{

void Battle::enemyFire()
{
    say(QStringLiteral("They're firing on us, Sardek!"));
    pause(BattlePauses::Step, BattlePauses::StepToDeath);
    const int shooters = m_state.EnemyShips;
    for (int pirate = 0; pirate < shooters; ++pirate)
        if (!pirateShot())
            return;
    maybeLoseCannon();
    endVolley();
}

bool Battle::pirateShot()
{
    if (BattleRolls::PirateShotHits(m_runtime.Rnd())) {
        m_view.showHit(true);
        m_runtime.Delay(BattlePauses::HitFlash);
        m_view.showHit(false);
        pause(BattlePauses::Shot, BattlePauses::ShotToDeath);
        m_game.ShipStatus -= 1;
        m_view.showStatus(m_game.ShipStatus);
    }
    if (m_game.ShipStatus >= 1)
        return true;
    askToPlayAgain();
    return false;
}

void Battle::askToPlayAgain()
{
    const MsgBoxResult answer = m_runtime.MsgBox(
        QStringLiteral("Sardek, you have sunk.  Would you like to play again?     "),
        MsgBoxStyle::ExclamationYesNo, QStringLiteral("Game Over"), m_view.messageParent());
    if (answer == MsgBoxResult::Yes) {
        m_game.GameInProgress = false;
        m_game.GameOver = true;
        m_outcome = BattleOutcome::Sunk;
        return;
    }
    m_outcome = BattleOutcome::ProgramEnded;
    m_runtime.EndProgram();
}

void Battle::maybeLoseCannon()
{
    if (!BattleRolls::CannonLost(m_runtime.Rnd()) || m_game.Cannons <= 0)
        return;
    say(QStringLiteral("The buggers hit a Cannon, Sardek!"));
    m_game.Cannons -= 1;
    m_game.HoldUsed -= 10;
    m_view.showCannons(m_game.Cannons);
    // The log's line is plainer than the captain's cry.
    m_view.appendLogEntry(QStringLiteral(" - The buggers hit a Cannon, Sardek"));
    m_view.redrawMainWindow();
    pause(BattlePauses::Step, BattlePauses::StepToDeath);
}

void Battle::endVolley()
{
    say(QStringLiteral("Sardek, what shall we do?"));
    enableOrders(ordersWhenArmed(m_game.Cannons > 0));
}

void Battle::victory()
{
    const Currency booty = BattleRolls::BootyPerShip(m_runtime.Rnd()) * m_state.ShipsSunk;
    const QString worth = FormatNumber(booty, NumberFormat::Dollars);
    m_runtime.MsgBox(QStringLiteral("You got some booty worth ") + worth + QStringLiteral("     "),
                     MsgBoxStyle::InformationOk, {}, m_view.messageParent());
    m_game.Cash += booty;
    m_view.appendLogEntry(QStringLiteral(" - You got some booty worth ") + worth);
    m_outcome = BattleOutcome::Victory;
}

} // namespace Sardek
