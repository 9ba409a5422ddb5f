// The voyage's costs: a paced voyage on the shown main window should leave the processor
// idle (its CPU time against its wall-clock time), and a voyage without windows or pauses,
// log text still built, should cost little more than its random rolls.
#include "RatioReporter.h"

#include "app/frmMain.h"
#include "core/GameState.h"
#include "core/PirateEncounter.h"
#include "runtime/HeadlessRuntime.h"
#include "ui/QtRuntime.h"
#include "voyage/SilentVoyageView.h"
#include "voyage/Voyage.h"
#include "voyage/frmLeave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <cmath>
#include <ctime>

namespace
{

using namespace Sardek;

class PiratesSailBy final : public PirateEncounter
{
  public:
    void MeetPirates(QObject *) override {}
};

GameState gameInHongKong()
{
    GameState state;
    state.GameInProgress = state.GameSaved = state.MillionaireShown = true;
    state.GameDate = GameDate::fromYmd(1860, 1, 15).value();
    state.FirmName = QStringLiteral("Lee");
    state.CurrentPort = HongKong;
    state.ShipStatus = 100;
    state.HoldCapacity = 60;
    state.Cash = 400;
    state.Debt = 5000;
    state.ShipOpium = state.HoldUsed = state.WarehouseSilk = 10;
    return state;
}

struct PacedVoyage {
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

// One voyage from Hong Kong through the Leave Port window on a shown main window, pausing as
// the game does.
PacedVoyage sailPaced()
{
    QtRuntime runtime;
    PiratesSailBy pirates;
    frmMain main(runtime);
    main.state() = gameInHongKong();
    main.show();
    main.UpdateMainForm();
    QApplication::processEvents();
    frmLeave leave(main, pirates);
    leave.show();
    QElapsedTimer wall;
    const std::clock_t cpuBefore = std::clock();
    wall.start();
    leave.cmdDepart->click();
    QApplication::processEvents();
    return {double(wall.nsecsElapsed()) / 1e9, double(std::clock() - cpuBefore) / CLOCKS_PER_SEC};
}

void PacedVoyageCpuTime(benchmark::State &bench)
{
    for (auto _ : bench)
        bench.SetIterationTime(sailPaced().cpuSeconds);
}

void PacedVoyageWallTime(benchmark::State &bench)
{
    for (auto _ : bench)
        bench.SetIterationTime(sailPaced().wallSeconds);
}

// Sails back and forth between Hong Kong and Shanghai from the same state each time.
struct HeadlessVoyages {
    HeadlessRuntime runtime{1860};
    PiratesSailBy pirates;
    GameState start = gameInHongKong();

    void sail(int voyage)
    {
        GameState state = start;
        SilentVoyageView view(state);
        Depart({state, runtime, view}, pirates, voyage % 2 ? 2 : 5);
        benchmark::DoNotOptimize(view.log().text().size());
    }
};

void HeadlessVoyage(benchmark::State &bench)
{
    HeadlessVoyages voyages;
    int voyage = 0;
    for (auto _ : bench)
        voyages.sail(++voyage);
    bench.counters["rolls_per_voyage"] = double(voyages.runtime.rolls()) / double(voyage);
    bench.counters["voyages_per_second"] =
        benchmark::Counter(double(voyage), benchmark::Counter::kIsRate);
}

// The rolls of an average voyage, counted over many voyages first.
int rollsPerVoyage()
{
    HeadlessVoyages voyages;
    constexpr int Count = 20000;
    for (int voyage = 1; voyage <= Count; ++voyage)
        voyages.sail(voyage);
    return int(std::lround(double(voyages.runtime.rolls()) / Count));
}

void RndRollsOfAVoyage(benchmark::State &bench)
{
    static const int rolls = rollsPerVoyage();
    HeadlessRuntime runtime(1860);
    for (auto _ : bench)
        for (int i = 0; i < rolls; ++i)
            benchmark::DoNotOptimize(runtime.Rnd());
    bench.counters["rolls"] = rolls;
}

} // namespace

BENCHMARK(PacedVoyageCpuTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(PacedVoyageWallTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(HeadlessVoyage)->Unit(benchmark::kMicrosecond);
BENCHMARK(RndRollsOfAVoyage)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWithRatios(argc, argv,
                         {// At most 0.5 % of a core while the voyage waits out its 2.25 s, so that
                          // a slower or busier machine stays within 1 %.
                          {"PacedVoyageCpuTime/iterations:2/manual_time",
                           "PacedVoyageWallTime/iterations:2/manual_time", 0.005},
                          // 200,000 voyages a second here is about 12 times their rolls.
                          {"HeadlessVoyage", "RndRollsOfAVoyage", 12.0}});
}
