#pragma once

#include "battle/HeadlessBattle.h"
#include "core/GameState.h"
#include "voyage/VoyageView.h"

#include <QString>

namespace Sardek::Play
{

/**
 * The promises of an arrival, each held against the written rules and the lines the arrival
 * logged, never against the game's own formulas: the date one calendar month on; the
 * destination unless blown off course (never to the destination); 0.5 % interest on the bank
 * and 10 % on the debt, rounded down; the four prices in their ranges but for one jump that the
 * log announces; the tribute counter one or two up, or paid off; offers in their price ranges;
 * the ship's condition lowered only by a storm, by 1 to half of it rounded up; cargo and cash
 * taken only by the seizure, the robbery, the theft and the tribute, each within its bounds.
 * sailed is the record as the last battle left it (as at departure without one), voyageLog
 * the lines the voyage logged. Empty when every promise holds.
 */
QString arrivalProblem(const GameState &sailed, const GameState &arrived, const QString &voyageLog,
                       const QString &destination);

/// The promises of a fresh game: nothing of the game before it (date, port, stocks, balances,
/// prices out of their opening ranges, the tribute counter, the ship) is left.
QString freshGameProblem(const GameState &state);

/**
 * Battles met on the player's voyages, each watched through its view and checked as it ends:
 * the condition falls by at most the pirates afloat at each volley, at most one gun is lost a
 * volley (with its 10 hold units), cargo goes only overboard, and a victory pays 300 to 1,350
 * for each ship seen to sink, nothing else any cash. The battles' log lines go to log.
 */
class WatchedBattles final : public PirateEncounter, private SilentBattleView
{
  public:
    WatchedBattles(GameState &game, Runtime &runtime, BattleStrategy strategy, VoyageView &log);

    void MeetPirates(QObject *owner) override;
    const HeadlessBattle &battles() const { return m_battles; }
    /// The record as the last battle left it.
    const GameState &afterLastBattle() const { return m_afterLast; }
    /// The first broken promise of any battle so far; empty while all held.
    const QString &problem() const { return m_problem; }

  private:
    void showReport(const QString &text) override;
    void showEnemyShips(int count) override { m_afloat = count; }
    void showSinkingFrame(int index, int frame) override;
    void appendLogEntry(const QString &entry) override { m_log.appendLogEntry(entry); }
    QString battleProblem(const GameState &before) const;

    GameState &m_game;
    VoyageView &m_log;
    HeadlessBattle m_battles;
    QString m_problem;
    GameState m_afterLast;
    int m_afloat = 0;
    int m_volleys = 0;
    long m_hitsAllowed = 0;
    int m_seenSinking = 0;
};

} // namespace Sardek::Play
