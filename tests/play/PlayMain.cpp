// Plays headless games and prints what they did: sardek-play [games] [voyages] [first seed].
#include "Play.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const long games = argc > 1 ? std::atol(argv[1]) : 1000;
    const int voyages = argc > 2 ? std::atoi(argv[2]) : 200;
    const auto seed = std::uint32_t(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    Sardek::Play::Tally tally;
    QElapsedTimer clock;
    clock.start();
    const auto failure = Sardek::Play::playGames(seed, games, voyages, tally);
    std::printf("games %ld (edited %ld) voyages %ld actions %ld (refused %ld) battles %ld seconds "
                "%.1f\n",
                tally.games, tally.editedGames, tally.voyages, tally.actions, tally.refusals,
                tally.battles, double(clock.elapsed()) / 1000);
    if (failure)
        std::printf("FAILED at %s\n", qPrintable(*failure));
    return failure ? 1 : 0;
}
