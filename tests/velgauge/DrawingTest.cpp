#include "GaugeImages.h"

#include "GradientRenderer.h"
#include "GradientTable.h"
#include "SystemColors.h"

#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace GaugeImages;
using Velgauge::ProgressBar;

class GaugeDrawing : public ::testing::Test
{
  protected:
    ProgressBar bar;
};

struct BarCase {
    int width, height;
    ProgressBar::Direction direction;
    double maxValue, value; // as stored: Value may lie beyond the range
    QRect red;
};

class BarExtent : public ::testing::TestWithParam<BarCase>
{
};

// A plain bar: red exactly in its rectangle, everything else inside the border white.
TEST_P(BarExtent, FillsValuesShareFromTheStart)
{
    const BarCase &c = GetParam();
    ProgressBar bar;
    makePlain(bar, c.width, c.height);
    bar.setDirection(c.direction);
    Velgauge::PropertyBag stored;
    bar.writeProperties(stored);
    stored.write("MaxValue", c.maxValue);
    stored.write("Value", c.value);
    bar.readProperties(stored);
    const QImage image = render(bar);
    for (int y = 1; y < c.height - 1; ++y)
        for (int x = 1; x < c.width - 1; ++x)
            ASSERT_EQ(image.pixel(x, y), c.red.contains(x, y) ? RedPixel : WhitePixel)
                << x << "," << y;
}

// Horizontally Value's share of 95 columns, rounded half to even, from column 2 in rows
// 2 … 17; vertically from the bottom, top = 100 − 25 + 2.
constexpr auto H = ProgressBar::dirHorizontal, V = ProgressBar::dirVertical;
INSTANTIATE_TEST_SUITE_P(Values, BarExtent,
                         ::testing::Values(BarCase{100, 20, H, 100, 0, {}},
                                           BarCase{100, 20, H, 100, 25, {2, 2, 24, 16}},
                                           BarCase{100, 20, H, 100, 50, {2, 2, 48, 16}}, // 47.5
                                           BarCase{100, 20, H, 100, 100, {2, 2, 95, 16}},
                                           BarCase{100, 20, H, 100, 500, {2, 2, 95, 16}},
                                           BarCase{100, 20, H, 0, 0, {}}, // an empty range
                                           BarCase{20, 104, V, 100, 25, {2, 77, 16, 25}}));

constexpr QRgb Dark = qRgb(155, 0, 0);

class CutEdge : public ::testing::TestWithParam<std::pair<int, QRgb>>
{
};

// MaxValue 95 on a 100-pixel bar makes the bar exactly Value columns long. A cut column takes
// one colour from top to bottom: the darkened colour of its middle.
TEST_P(CutEdge, DarkLastColumnOnlyWhenEndFallsInsideBlock)
{
    const auto [length, colour] = GetParam();
    ProgressBar bar;
    makePlain(bar, 100, 20);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.setMaxValue(95);
    bar.setValue(length);
    const QImage image = render(bar);
    for (int y = 2; y <= 17; ++y)
        EXPECT_EQ(image.pixel(length + 1, y), colour) << "row " << y;
    EXPECT_EQ(image.pixel(length + 2, 10), WhitePixel);
    if (length >= 12) {
        EXPECT_EQ(image.pixel(12, 10), Dark) << "the first block's shadow edge, whole";
    }
}

INSTANTIATE_TEST_SUITE_P(BlockEnds, CutEdge,
                         ::testing::Values(std::pair{6, Dark},            // inside the first block
                                           std::pair{10, Dark},           // its last-but-one column
                                           std::pair{11, qRgb(55, 0, 0)}, // shadow edge, again
                                           std::pair{12, WhitePixel},     // first gap column
                                           std::pair{13, WhitePixel},     // end of the gap
                                           std::pair{20, Dark}));         // the second block

TEST_F(GaugeDrawing, Gradient_StartsAtFillColorAndReachesGradientOnlyWhenFull)
{
    bar.resize(100, 20);
    bar.setCaption(QString());
    bar.setFillColor(Red);
    bar.setFillColorGradient(Green);
    ASSERT_GE(bar.systemColors(), 65536);
    bar.setValue(100);
    const QImage full = render(bar);
    const auto table = Velgauge::BuildGradientTable(100, Red, Green);
    for (int x = 2; x <= 96; ++x)
        EXPECT_EQ(full.pixel(x, 10), table[std::size_t(x - 2)]) << x;
    EXPECT_GT(qRed(full.pixel(2, 10)), 250);
    EXPECT_GT(qGreen(full.pixel(96, 10)), 235);

    bar.setValue(50);
    const QImage half = render(bar);
    EXPECT_EQ(half.pixel(49, 10), table[47]); // the same colours, only fewer of them
    EXPECT_LT(qGreen(half.pixel(49, 10)), 130);
}

TEST_F(GaugeDrawing, GradientOff_IsPlainFillColorWithItsGreenAndBlueQuirk)
{
    makePlain(bar, 60, 12);
    bar.setFillColor(0xC8C8C8);
    bar.setValue(100);
    const QImage image = render(bar);
    EXPECT_EQ(image.pixel(2, 6), qRgb(200, 201, 201));
    EXPECT_EQ(image.pixel(56, 6), qRgb(200, 201, 201));
}

TEST_F(GaugeDrawing, VerticalBevelledBlocks_LightenTheTopRowAtTheCut)
{
    makePlain(bar, 20, 104);
    bar.setDirection(ProgressBar::dirVertical);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.setValue(5); // top = 97, inside the first block (rows 89 … 99)
    const QImage image = render(bar);
    EXPECT_EQ(image.pixel(10, 97), qRgb(255, 100, 100));
    EXPECT_EQ(image.pixel(16, 97), qRgb(255, 100, 100)); // up to column W − 4
}

class TinyControl : public ::testing::TestWithParam<std::tuple<int, int>>
{
};

// Every picture of a control up to 6 pixels each way, pixel by pixel: the sunken border, the
// back colour, and the bar's colours only inside the rectangle the bar has reached, which on
// a control 3 pixels or less across the bar is nothing at all.
TEST_P(TinyControl, ShowsTheBarOnlyWhereItReaches)
{
    const auto [mode, direction] = GetParam();
    const QRgb shadow = qRgb(128, 128, 128);
    ProgressBar bar;
    for (int w = 0; w <= 6; ++w)
        for (int h = 0; h <= 6; ++h)
            for (double v : {0.0, 50.0, 100.0}) {
                makePlain(bar, w, h);
                bar.setFillMode(ProgressBar::FillMode(mode));
                bar.setDirection(ProgressBar::Direction(direction));
                bar.setValue(v);
                const QImage image = render(bar);
                const QImage bars = Velgauge::RebuildGradient(plainLook(w, h, direction, mode));
                const int c = qBound(0, int(std::nearbyint(v * (w - 5) / 100)), qMax(0, w - 5));
                const int t =
                    qBound(2, int(std::nearbyint((h - 4) * (1 - v / 100) + 2)), qMax(2, h - 2));
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const bool inBar = direction == 0
                                               ? x >= 2 && x < 2 + c && y >= 2 && y < h - 2
                                               : x >= 2 && x < w - 2 && y >= t && y < h - 2;
                        QRgb expected =
                            inBar ? bars.pixel(x - 2, direction ? y : y - 2) : WhitePixel;
                        if (x == 0 || y == 0)
                            expected = shadow;
                        if (x == w - 1 || y == h - 1)
                            expected = WhitePixel;
                        const QRgb shown = image.pixel(x, y);
                        // A bevelled block cut by the bar's end shows a shade of its colour.
                        const bool cut = mode == 2 && inBar &&
                                         (shown == Velgauge::shiftedRgb(expected, 100) ||
                                          shown == Velgauge::shiftedRgb(expected, -100));
                        EXPECT_TRUE(shown == expected || cut)
                            << w << "x" << h << " value " << v << " at " << x << "," << y;
                    }
                bar.setCaption("Caption"); // and a caption that cannot fit draws without fault
                bar.setInvertText(w % 2 == 1);
                render(bar);
            }
}

INSTANTIATE_TEST_SUITE_P(ModesAndDirections, TinyControl,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3),
                                            ::testing::Values(0, 1)));

TEST(GaugeRebuilds, ValueChangesNeverRebuildTheBar_LookAndSizeChangesDoOnce)
{
    using Velgauge::ProgressBarInspector;
    ProgressBar bar;
    bar.resize(200, 20);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    render(bar);
    const int first = ProgressBarInspector::gradientRebuilds(bar);
    for (int v = 0; v <= 100; v += 5) {
        bar.setValue(v);
        render(bar);
    }
    bar.setCaption("changed");
    bar.setForeColor(0xFF);
    bar.setInvertText(true);
    bar.setAlignment(ProgressBar::alnLeft);
    render(bar);
    EXPECT_EQ(ProgressBarInspector::gradientRebuilds(bar), first);

    bar.setBackColor(0xFF);
    bar.setFillColor(0xFF00);
    render(bar);
    EXPECT_EQ(ProgressBarInspector::gradientRebuilds(bar), first + 1);
    bar.resize(150, 30);
    render(bar);
    render(bar);
    EXPECT_EQ(ProgressBarInspector::gradientRebuilds(bar), first + 2);
}
