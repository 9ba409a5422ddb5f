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

/// A broken promise: the game's seed and the action's number in that game replay it exactly.
struct Failure {
    std::uint32_t seed = 0;
    long action = 0;
    QString actionName;
    QString problem;

    QString describe() const;
};

/**
 * Plays one whole game through the rules alone on HeadlessRuntime seeded with seed: a new
 * game of a random scenario, then random actions of those the port offers (trades and
 * services with random, extreme and out-of-range amounts, purchases, save and load, voyages
 * with every battle order and random answers to every question, retirement) until the game
 * ends or maxVoyages voyages have passed. After each action the record's invariants and the
 * action's promises are checked; the first broken one ends the game and is returned.
 */
std::optional<Failure> playGame(std::uint32_t seed, int maxVoyages, Tally &tally);

/// Plays games with seeds first, first + 1, ... and stops at the first failure.
std::optional<Failure> playGames(std::uint32_t first, long games, int maxVoyages, Tally &tally);

/// What a monkey run did.
struct MonkeyTally {
    long steps = 0;
    long programEnds = 0; ///< the game ended the program (a new main window came up)
};

/**
 * The real main window on HeadlessRuntime, with steps of random input to the active window:
 * clicks on its enabled buttons, keys and pasted text into a focused box, slider drags, the
 * main window's menu items, Esc, Enter and the close box; message boxes and file dialogs
 * answered at random. After each step the record's invariants are checked. When the game ends
 * the program, the open dialogs are closed and a fresh main window starts. Deterministic for
 * a seed; returns the first broken invariant with its step. (In the sardek_monkey library.)
 */
std::optional<QString> runMonkey(std::uint32_t seed, long steps, MonkeyTally &tally);

/// A player's answer to a message box: Yes or No, or now and then Cancel where it is offered.
MsgBoxResult randomAnswer(std::mt19937 &choices, MsgBoxStyle style);

/**
 * The first invariant state breaks, or an empty text: stocks, cash, bank and cannons never
 * negative, the debt not either unless overpaying is allowed, the warehouse within its
 * 10,000 units, HoldUsed equal to the cargo plus 10 per cannon, ShipStatus within 0 ... 100
 * and CurrentPort one of the seven ports.
 */
QString recordProblem(const GameState &state, bool negativeDebtAllowed);

/// The first price outside its drawn range widened by one jump (x 6 or / 6), or empty.
QString priceProblem(const GameState &state);

} // namespace Sardek::Play
