// One frame of a sinking pirate ship against the pause that follows it: the frame must leave
// most of the pause to the eye.
#include "RatioReporter.h"

#include "app/frmMain.h"
#include "battle/PirateFleet.h"
#include "battle/frmPirate.h"
#include "ui/QtRuntime.h"

#include <QApplication>

namespace
{

using namespace Sardek;

// The pirate lord's full fleet of 48 on a shown battle window; the last ship goes down frame
// after frame (move and shrink it, then repaint the fleet), over and over.
void SinkingFrame(benchmark::State &bench)
{
    QtRuntime runtime;
    frmMain main(runtime);
    main.state().HoldCapacity = 100000;
    main.state().TributeCounter = 11;
    main.state().ShipStatus = 100;
    main.show();
    frmPirate pirates(main);
    pirates.show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    int frame = 0;
    for (auto _ : bench) {
        frame = frame % 48 + 1;
        pirates.picShips->showSinkingFrame(PirateFleet::Ships - 1, frame);
        pirates.picShips->repaint();
    }
    bench.counters["ships"] = pirates.battle().state().EnemyShips;
}

void PauseBetweenFrames(benchmark::State &bench)
{
    QtRuntime runtime;
    for (auto _ : bench)
        runtime.Delay(5);
}

} // namespace

BENCHMARK(SinkingFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(PauseBetweenFrames)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWithRatios(argc, argv, {{"SinkingFrame", "PauseBetweenFrames", 0.2}});
}
