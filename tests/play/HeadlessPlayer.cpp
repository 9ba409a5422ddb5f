#include "HeadlessPlayer.h"

#include "PlayerGame.h"

namespace Sardek::Play
{

QString Failure::describe() const
{
    return QStringLiteral("seed %1 action %2 (%3): %4")
        .arg(seed)
        .arg(action)
        .arg(actionName, problem);
}

std::optional<Failure> playGame(std::uint32_t seed, int maxVoyages, Tally &tally)
{
    PlayerGame game(seed);
    ++tally.games;
    std::optional<Failure> failure;
    while (!failure && game.inProgress() && game.voyages() < maxVoyages) {
        ++tally.actions;
        failure = game.playAction();
    }
    tally.voyages += game.voyages();
    tally.battles += game.battles();
    tally.draws += game.draws();
    return failure;
}

std::optional<Failure> playGames(std::uint32_t first, long games, int maxVoyages, Tally &tally)
{
    for (long game = 0; game < games; ++game)
        if (auto failure = playGame(first + std::uint32_t(game), maxVoyages, tally))
            return failure;
    return std::nullopt;
}

} // namespace Sardek::Play
