// One value change plus a synchronous repaint of a shown gauge, against the floor: an empty
// QWidget of the same size, shown, updated and repainted the same way, which is what any
// widget pays the toolkit before drawing a pixel. Both sizes of the game's gauges, bevelled
// blocks and a gradient bar, with and without a caption. Also: a change of look (which
// re-renders the bar) against a change of value (which must not), a value change under a
// caption far longer than the control against one under a short caption, which must cost
// about the same, and QProgressBar in the Fusion style for information.
#include "RatioReporter.h"

#include <Velgauge/ProgressBar.h>

#include <QApplication>
#include <QProgressBar>
#include <QStyleFactory>
#include <ctime>
#include <memory>
#include <string>

using Velgauge::ProgressBar;

namespace
{

const QString ShortCaption = QStringLiteral("Ship's Status");

// Times are the thread's processor time per repaint, measured over batches: on a machine
// shared with other work, wall time mostly measures the neighbours, and the clock is too
// slow to read around every single repaint.
constexpr int Batch = 8;

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

template <typename Step> void timeEach(benchmark::State &state, Step step)
{
    for (auto _ : state) {
        const double start = threadSeconds();
        for (int i = 0; i < Batch; ++i)
            step();
        state.SetIterationTime((threadSeconds() - start) / Batch);
    }
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

template <typename Widget> void showSettled(Widget &widget, int width, int height)
{
    widget.resize(width, height);
    widget.show();
    settle();
}

std::unique_ptr<ProgressBar> shownGauge(int width, int height, ProgressBar::FillMode mode,
                                        const QString &caption)
{
    auto gauge = std::make_unique<ProgressBar>();
    gauge->setFillMode(mode);
    gauge->setFillColor(0x0000FF);
    gauge->setFillColorGradient(0x00FF00);
    gauge->setCaption(caption);
    if (height > width)
        gauge->setDirection(ProgressBar::dirVertical);
    showSettled(*gauge, width, height);
    return gauge;
}

void repaintEachValue(benchmark::State &state, ProgressBar &gauge)
{
    int value = 0;
    timeEach(state, [&] {
        value = (value + 7) % 101;
        gauge.setValue(value);
        gauge.repaint();
    });
}

// Arguments: width, height, FillMode, with caption (1) or without (0).
void GaugeValueRepaint(benchmark::State &state)
{
    auto gauge =
        shownGauge(int(state.range(0)), int(state.range(1)), ProgressBar::FillMode(state.range(2)),
                   state.range(3) ? ShortCaption : QString());
    repaintEachValue(state, *gauge);
}

// What setValue() asks of the toolkit, update() then repaint(), on a widget that draws nothing.
void EmptyWidgetRepaint(benchmark::State &state)
{
    QWidget widget;
    showSettled(widget, int(state.range(0)), int(state.range(1)));
    timeEach(state, [&] {
        widget.update();
        widget.repaint();
    });
}

// A caption of state.range(0) characters, centred, so that its middle part shows.
void GaugeCaptionValueRepaint(benchmark::State &state)
{
    auto gauge = shownGauge(200, 20, ProgressBar::fm3DBlocks,
                            QString(int(state.range(0)), QLatin1Char('m')));
    repaintEachValue(state, *gauge);
}

void GaugeLookRepaint(benchmark::State &state)
{
    auto gauge =
        shownGauge(int(state.range(0)), int(state.range(1)), ProgressBar::fm3DBlocks, ShortCaption);
    quint32 colour = 0;
    timeEach(state, [&] {
        colour = (colour + 0x010203) & 0xFFFFFF;
        gauge->setFillColor(colour);
        gauge->repaint();
    });
}

void QProgressBarValueRepaint(benchmark::State &state)
{
    static QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QProgressBar bar;
    bar.setStyle(fusion);
    bar.setRange(0, 100);
    if (state.range(1) > state.range(0))
        bar.setOrientation(Qt::Vertical);
    showSettled(bar, int(state.range(0)), int(state.range(1)));
    int value = 0;
    timeEach(state, [&] {
        value = (value + 7) % 101;
        bar.setValue(value);
        bar.repaint();
    });
}

struct Size {
    int width, height;
    std::string name() const { return std::to_string(width) + "/" + std::to_string(height); }
};
constexpr Size Sizes[] = {{200, 20}, {100, 300}};
constexpr ProgressBar::FillMode Modes[] = {ProgressBar::fm3DBlocks, ProgressBar::fmBar};

std::string gaugeName(Size size, ProgressBar::FillMode mode, bool caption)
{
    return "GaugeValueRepaint/" + size.name() + "/" + std::to_string(int(mode)) + "/" +
           (caption ? "1" : "0");
}

void gaugeCases(benchmark::internal::Benchmark *benchmark)
{
    for (const Size size : Sizes)
        for (const auto mode : Modes)
            for (const int caption : {0, 1})
                benchmark->Args({size.width, size.height, mode, caption});
}

std::vector<RatioReporter::Comparison> comparisons()
{
    std::vector<RatioReporter::Comparison> all;
    const auto add = [&all](const std::string &subject, const std::string &reference,
                            double budget) {
        // Google Benchmark names manually timed runs so.
        all.push_back({subject + "/manual_time", reference + "/manual_time", budget});
    };
    for (const Size size : Sizes) {
        for (const auto mode : Modes)
            for (const bool caption : {false, true})
                add(gaugeName(size, mode, caption), "EmptyWidgetRepaint/" + size.name(), 2.0);
        // A value change must cost far less than a change of look that re-renders the bar.
        add(gaugeName(size, ProgressBar::fm3DBlocks, true), "GaugeLookRepaint/" + size.name(), 0.9);
        add(gaugeName(size, ProgressBar::fm3DBlocks, true),
            "QProgressBarValueRepaint/" + size.name(), RatioReporter::NoBudget);
    }
    // A caption's cost is bounded by what the control shows, not by its length.
    add("GaugeCaptionValueRepaint/100000", "GaugeCaptionValueRepaint/8", 2.0);
    return all;
}

} // namespace

BENCHMARK(GaugeValueRepaint)->Apply(gaugeCases)->UseManualTime();
BENCHMARK(EmptyWidgetRepaint)->Args({200, 20})->Args({100, 300})->UseManualTime();
BENCHMARK(GaugeLookRepaint)->Args({200, 20})->Args({100, 300})->UseManualTime();
BENCHMARK(GaugeCaptionValueRepaint)->Arg(8)->Arg(100000)->UseManualTime();
BENCHMARK(QProgressBarValueRepaint)->Args({200, 20})->Args({100, 300})->UseManualTime();

int main(int argc, char **argv)
{
    return runWithRatios(argc, argv, comparisons());
}
