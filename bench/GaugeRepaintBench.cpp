// One value change plus a synchronous repaint of a shown gauge, against QProgressBar of the
// same size in the Fusion style; a change of look (which re-renders the bar) against a
// change of value (which must not); and a value change under a caption far longer than the
// control against one under a short caption, which must cost about the same.
#include "RatioReporter.h"

#include <Velgauge/ProgressBar.h>

#include <QApplication>
#include <QProgressBar>
#include <QStyleFactory>
#include <memory>

using Velgauge::ProgressBar;

namespace
{

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

std::unique_ptr<ProgressBar> shownGauge(int width, int height,
                                        const QString &caption = QStringLiteral("Ship's Status"))
{
    auto gauge = std::make_unique<ProgressBar>();
    gauge->setFillMode(ProgressBar::fm3DBlocks);
    gauge->setFillColor(0x0000FF);
    gauge->setFillColorGradient(0x00FF00);
    gauge->setCaption(caption);
    if (height > width)
        gauge->setDirection(ProgressBar::dirVertical);
    gauge->resize(width, height);
    gauge->show();
    settle();
    return gauge;
}

std::unique_ptr<QProgressBar> shownReference(int width, int height)
{
    static QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    auto bar = std::make_unique<QProgressBar>();
    bar->setStyle(fusion);
    bar->setRange(0, 100);
    if (height > width)
        bar->setOrientation(Qt::Vertical);
    bar->resize(width, height);
    bar->show();
    settle();
    return bar;
}

template <typename Bar> void repaintEachValue(benchmark::State &state, Bar &bar)
{
    int value = 0;
    for (auto _ : state) {
        value = (value + 7) % 101;
        bar.setValue(value);
        bar.repaint();
    }
}

void GaugeValueRepaint(benchmark::State &state)
{
    auto gauge = shownGauge(int(state.range(0)), int(state.range(1)));
    repaintEachValue(state, *gauge);
}

// A caption of state.range(0) characters, centred, so that its middle part shows.
void GaugeCaptionValueRepaint(benchmark::State &state)
{
    auto gauge = shownGauge(200, 20, QString(int(state.range(0)), QLatin1Char('m')));
    repaintEachValue(state, *gauge);
}

void QProgressBarValueRepaint(benchmark::State &state)
{
    auto bar = shownReference(int(state.range(0)), int(state.range(1)));
    repaintEachValue(state, *bar);
}

void GaugeLookRepaint(benchmark::State &state)
{
    auto gauge = shownGauge(int(state.range(0)), int(state.range(1)));
    quint32 colour = 0;
    for (auto _ : state) {
        colour = (colour + 0x010203) & 0xFFFFFF;
        gauge->setFillColor(colour);
        gauge->repaint();
    }
}

} // namespace

BENCHMARK(GaugeValueRepaint)->Args({200, 20})->Args({100, 300});
BENCHMARK(QProgressBarValueRepaint)->Args({200, 20})->Args({100, 300});
BENCHMARK(GaugeLookRepaint)->Args({200, 20})->Args({100, 300});
BENCHMARK(GaugeCaptionValueRepaint)->Arg(8)->Arg(100000);

int main(int argc, char **argv)
{
    return runWithRatios(
        argc, argv,
        {{"GaugeValueRepaint/200/20", "QProgressBarValueRepaint/200/20", 0.25},
         {"GaugeValueRepaint/100/300", "QProgressBarValueRepaint/100/300", 0.25},
         // A value change must cost far less than a change of look that re-renders the bar.
         {"GaugeValueRepaint/200/20", "GaugeLookRepaint/200/20", 0.9},
         {"GaugeValueRepaint/100/300", "GaugeLookRepaint/100/300", 0.9},
         // A caption's cost is bounded by what the control shows, not by its length.
         {"GaugeCaptionValueRepaint/100000", "GaugeCaptionValueRepaint/8", 2.0}});
}
