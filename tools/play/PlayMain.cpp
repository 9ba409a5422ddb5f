// The long runs, printing what they did. sardek-play [games] [voyages] [first seed] plays
// headless games; sardek-monkey [seconds] [first seed], built with MONKEY, gives the windows
// 2,000 random steps a seed, the next seed following until the time is up.
#include "Play.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

using namespace Sardek::Play;

int main(int argc, char **argv)
{
    const auto argument = [&](int i, double otherwise) {
        return argc > i ? std::atof(argv[i]) : otherwise;
    };
    QElapsedTimer clock;
    clock.start();
#ifdef MONKEY
    QApplication app(argc, argv);
    MonkeyTally tally;
    std::optional<QString> problem;
    long runs = 0;
    for (auto seed = std::uint32_t(argument(2, 1));
         !problem && double(clock.elapsed()) < argument(1, 60) * 1000; ++seed, ++runs)
        problem = runMonkey(seed, 2000, tally);
    std::printf("monkey runs %ld steps %ld program ends %ld games %ld trades %ld voyages %ld "
                "loans %ld",
                runs, tally.steps, tally.programEnds, tally.games, tally.trades, tally.voyages,
                tally.loans);
#else
    Tally tally;
    const auto problem = playGames(std::uint32_t(argument(3, 1)), long(argument(1, 1000)),
                                   int(argument(2, 200)), tally);
    std::printf("games %ld (edited %ld, sunk %ld) voyages %ld actions %ld (refused %ld) "
                "battles %ld",
                tally.games, tally.editedGames, tally.sinkings, tally.voyages, tally.actions,
                tally.refusals, tally.battles);
#endif
    std::printf(" seconds %.1f\n", double(clock.elapsed()) / 1000);
    if (problem)
        std::printf("FAILED at %s\n", qPrintable(*problem));
    return problem ? 1 : 0;
}
