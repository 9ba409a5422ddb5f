// Whole headless games, log text built and every promise checked, against the bare cost of
// the same number of Rnd draws measured in the same run.
#include "RatioReporter.h"

#include "Play.h"
#include "runtime/HeadlessRuntime.h"

namespace
{

using namespace Sardek;

constexpr int GamesPerIteration = 20;
constexpr int VoyagesPerGame = 100;

// The draws the same games make (they replay exactly).
std::uint64_t drawsOfTheGames()
{
    Play::Tally tally;
    Play::playGames(1, GamesPerIteration, VoyagesPerGame, tally);
    return tally.draws;
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

void RndDrawsOfTheGames(benchmark::State &bench)
{
    static const std::uint64_t draws = drawsOfTheGames();
    HeadlessRuntime runtime(1860);
    for (auto _ : bench)
        for (std::uint64_t i = 0; i < draws; ++i)
            benchmark::DoNotOptimize(runtime.Rnd());
    bench.counters["draws"] = double(draws);
}

} // namespace

BENCHMARK(WholeGames)->Unit(benchmark::kMillisecond);
BENCHMARK(RndDrawsOfTheGames)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithRatios(argc, argv,
                         {{"WholeGames", "RndDrawsOfTheGames", RatioReporter::NoBudget}});
}
