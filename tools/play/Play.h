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
    long refusals = 0;
    long editedGames = 0;
    long sinkings = 0;       ///< games lost at sea and started anew
    std::uint64_t rolls = 0; ///< Rnd rolls the games made
};

/**
 * Plays games with seeds first, first + 1, ... through the rules alone, each on a
 * HeadlessRuntime of its seed: random actions the port offers with random, extreme and
 * out-of-range amounts, every fourth game loading edited saved files. After each
 * action its promises and (unless edited) the record's invariants are checked; the first broken
 * one is returned with the seed and the action's number in its game, which replay it exactly.
 */
std::optional<QString> playGames(std::uint32_t first, long games, int maxVoyages, Tally &tally);

/// What a monkey run did.
struct MonkeyTally {
    long steps = 0;
    long programEnds = 0; ///< the game ended the program (a new main window came up)
    long games = 0;       ///< started or loaded
    long trades = 0;
    long voyages = 0;
    long loans = 0;
};

/// The real main window under steps of random input, message boxes and file dialogs answered
/// at random, the record's invariants checked after each step; a fresh window comes up when a
/// game ends the program. Returns the first broken invariant with the seed and step.
std::optional<QString> runMonkey(std::uint32_t seed, long steps, MonkeyTally &tally);

/// A player's answer to a message box: Yes or No, or now and then Cancel where it is offered.
MsgBoxResult randomAnswer(std::mt19937 &choices, MsgBoxStyle style);

/// The first invariant state breaks, or empty: no negative stock, cash, bank, cannons or (unless
/// overpaying is allowed) debt, the warehouse within 10,000 units, HoldUsed the cargo plus 10
/// per cannon and within the hold, ShipStatus within 0 ... 100, CurrentPort one of the seven.
QString recordProblem(const GameState &state, bool negativeDebtAllowed);

/// Saves state, loads it back and says how it came back different, or gives the reason the save
/// or load failed; empty when it came back whole (but for what the file cannot hold).
QString roundTripProblem(const GameState &state);

} // namespace Sardek::Play
