#pragma once

#include "runtime/Runtime.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <random>

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

/// A player's answer to a message box: Yes or No, or now and then Cancel where it is offered.
MsgBoxResult randomAnswer(std::mt19937 &choices, MsgBoxStyle style);

} // namespace Sardek::Play
