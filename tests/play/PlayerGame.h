#pragma once

#include "HeadlessPlayer.h"

#include "battle/HeadlessBattle.h"
#include "core/GameState.h"
#include "runtime/HeadlessRuntime.h"
#include "voyage/SilentVoyageView.h"

#include <functional>
#include <random>

namespace Sardek::Play
{

/**
 * One game played at random through the rules, as the main window would let a player: the
 * orders its port offers, the money lender closed after a loan and away from Hong Kong, offers
 * of a cannon or a ship open until taken or the next voyage, and the redraw's rating and
 * bankruptcy check after every action. The game's choices come from their own generator, so
 * the game's Rnd draws are the ones the rules make.
 */
class PlayerGame
{
  public:
    explicit PlayerGame(std::uint32_t seed);

    bool inProgress() const { return m_inProgress; }
    int voyages() const { return m_voyages; }
    int battles() const { return m_battle.battlesFought(); }
    std::uint64_t draws() const { return m_runtime.draws(); }
    /// Plays one random action and checks what it promised.
    std::optional<Failure> playAction();

  private:
    struct Action {
        const char *name;
        std::function<QString()> play; ///< returns a broken promise, or empty
    };

    std::vector<Action> actionsOffered();
    int pick(int count);
    QString amount(Currency most);
    void logAll(const QStringList &entries);
    QString trade(bool buying);
    QString bank();
    QString lend();
    QString transfer();
    QString repair();
    QString purchase(bool ship);
    QString saveAndLoad();
    QString leave();
    QString retire();
    void redraw();

    std::uint32_t m_seed;
    std::mt19937 m_choices;
    HeadlessRuntime m_runtime;
    GameState m_state;
    SilentVoyageView m_view{m_state};
    HeadlessBattle m_battle;
    bool m_inProgress = true;
    bool m_lenderOpen = true;
    bool m_cannonOffered = false;
    bool m_shipOffered = false;
    bool m_overpaymentAllowed = false;
    int m_voyages = 0;
    long m_actions = 0;
};

/// Empty when kept, else promise: the shape of every check.
QString unless(bool kept, const char *promise);

} // namespace Sardek::Play
