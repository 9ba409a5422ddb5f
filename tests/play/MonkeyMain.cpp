// Random input at the real windows for a while: sardek-monkey [seconds] [first seed].
// Each seed runs 2,000 steps; the next seed follows until the time is up.
#include "Play.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60;
    auto seed = std::uint32_t(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
    Sardek::Play::MonkeyTally tally;
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> problem;
    long runs = 0;
    for (; !problem && double(clock.elapsed()) < seconds * 1000; ++seed, ++runs)
        problem = Sardek::Play::runMonkey(seed, 2000, tally);
    std::printf("monkey runs %ld steps %ld program ends %ld seconds %.1f\n", runs, tally.steps,
                tally.programEnds, double(clock.elapsed()) / 1000);
    if (problem)
        std::printf("FAILED with seed %u at %s\n", seed - 1, qPrintable(*problem));
    return problem ? 1 : 0;
}
