// Whole headless games, log text built and every promise checked, against the bare cost of
// the same number of Rnd rolls measured in the same run.
#include "RatioReporter.h"

#include "Play.h"
#include "runtime/HeadlessRuntime.h"

namespace
{

using namespace Sardek;

constexpr int GamesPerIteration = 20;
constexpr int VoyagesPerGame = 100;

// The rolls the same games make (they replay exactly).
std::uint64_t rollsOfTheGames()
{
    Play::Tally tally;
    Play::playGames(1, GamesPerIteration, VoyagesPerGame, tally);
    return tally.rolls;
}

void WholeGames(benchmark::State &bench)
{
    Play::Tally tally;
    for (auto _ : bench)
        Play::playGames(1, GamesPerIteration, VoyagesPerGame, tally);
    bench.counters["games_per_second"] =
        benchmark::Counter(double(tally.games), benchmark::Counter::kIsRate);
    bench.counters["voyages_per_game"] = double(tally.voyages) / double(tally.games);
}

void RndRollsOfTheGames(benchmark::State &bench)
{
    static const std::uint64_t rolls = rollsOfTheGames();
    HeadlessRuntime runtime(1860);
    for (auto _ : bench)
        for (std::uint64_t i = 0; i < rolls; ++i)
            benchmark::DoNotOptimize(runtime.Rnd());
    bench.counters["rolls"] = double(rolls);
}

} // namespace

BENCHMARK(WholeGames)->Unit(benchmark::kMillisecond);
BENCHMARK(RndRollsOfTheGames)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithRatios(argc, argv,
                         {{"WholeGames", "RndRollsOfTheGames", RatioReporter::NoBudget}});
}
