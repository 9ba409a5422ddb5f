#pragma once

#include "runtime/Runtime.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <random>

namespace Sardek
{
struct GameState;
}

namespace Sardek::Play
{

/// What a run of games has done so far.
struct Tally {
    long games = 0;
    long voyages = 0;
    long actions = 0;
    long battles = 0;
    std::uint64_t draws = 0; ///< Rnd draws the games made
};

/**
 * Plays games with seeds first, first + 1, ... through the rules alone, each on a
 * HeadlessRuntime of its seed: a random scenario, then random actions the port offers (trades
 * and services with random, extreme and out-of-range amounts, purchases, save and load,
 * voyages with every battle order and random answers, retirement) until it ends or maxVoyages
 * have passed. After each action the record's invariants and the action's promises are
 * checked; the first broken one stops the run and is returned with the seed and the action's
 * number in its game, which replay it exactly.
 */
std::optional<QString> playGames(std::uint32_t first, long games, int maxVoyages, Tally &tally);

/// What a monkey run did.
struct MonkeyTally {
    long steps = 0;
    long programEnds = 0; ///< the game ended the program (a new main window came up)
};

/**
 * The real main window under steps of random input to the active window (clicks, keys and
 * pastes into boxes, slider drags, menu items, Esc, Enter, the close box) with message boxes
 * and file dialogs answered at random, the record's invariants checked after each step. When
 * the game ends the program, a fresh main window starts. Returns the first broken invariant
 * with its step. In the sardek_monkey library.
 */
std::optional<QString> runMonkey(std::uint32_t seed, long steps, MonkeyTally &tally);

/// A player's answer to a message box: Yes or No, or now and then Cancel where it is offered.
MsgBoxResult randomAnswer(std::mt19937 &choices, MsgBoxStyle style);

/// The first invariant state breaks, or empty: no negative stock, cash, bank, cannons or (unless
/// overpaying is allowed) debt, the warehouse within 10,000 units, HoldUsed the cargo plus 10
/// per cannon, ShipStatus within 0 ... 100, CurrentPort one of the seven.
QString recordProblem(const GameState &state, bool negativeDebtAllowed);

} // namespace Sardek::Play
