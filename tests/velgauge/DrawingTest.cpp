#include "GaugeImages.h"

#include "GradientRenderer.h"
#include "GradientTable.h"
#include "SystemColors.h"

#include <Velgauge/PropertyBag.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace GaugeImages;
using Velgauge::ProgressBar;

// A plain bar: red exactly in its rectangle, everything else inside the border white.
// Horizontally Value's share of 95 columns, rounded half to even, from column 2 in rows
// 2 … 17; vertically from the bottom, top = 100 − 25 + 2. A gradient spans the whole control
// from FillColor at the bar's start (left, or bottom) to FillColorGradient, which only a full
// bar reaches: a shorter one shows fewer of the same colours.
TEST(GaugeDrawing, Bar_FillsValuesShareFromTheStart)
{
    constexpr auto H = ProgressBar::dirHorizontal, V = ProgressBar::dirVertical;
    const struct {
        int width, height;
        ProgressBar::Direction direction;
        double maxValue, value; // as stored: Value may lie beyond the range
        QRect bar;
        bool gradient = false;
    } cases[] = {{100, 20, H, 100, 0, {}},
                 {100, 20, H, 100, 25, {2, 2, 24, 16}},
                 {100, 20, H, 100, 50, {2, 2, 48, 16}}, // 47.5
                 {100, 20, H, 100, 100, {2, 2, 95, 16}},
                 {100, 20, H, 100, 500, {2, 2, 95, 16}},
                 {100, 20, H, 0, 0, {}}, // an empty range
                 {20, 104, V, 100, 25, {2, 77, 16, 25}},
                 {100, 20, H, 100, 100, {2, 2, 95, 16}, true},
                 {100, 20, H, 100, 50, {2, 2, 48, 16}, true},
                 {20, 100, V, 100, 100, {2, 2, 16, 96}, true},
                 {20, 100, V, 100, 50, {2, 50, 16, 48}, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.direction << " " << c.value << " " << c.gradient);
        ProgressBar bar;
        ASSERT_GE(bar.systemColors(), 65536);
        makePlain(bar, c.width, c.height);
        bar.setDirection(c.direction);
        bar.setGradientFill(c.gradient);
        bar.setFillColorGradient(Green);
        Velgauge::PropertyBag stored;
        bar.writeProperties(stored);
        stored.write("MaxValue", c.maxValue);
        stored.write("Value", c.value);
        bar.readProperties(stored);
        const QImage image = render(bar);
        const auto bands = c.direction == V ? Velgauge::BuildGradientTable(c.height, Green, Red)
                                            : Velgauge::BuildGradientTable(c.width, Red, Green);
        for (int y = 1; y < c.height - 1; ++y)
            for (int x = 1; x < c.width - 1; ++x) {
                const QRgb fill =
                    c.gradient ? bands[std::size_t(c.direction == V ? y : x - 2)] : RedPixel;
                ASSERT_EQ(image.pixel(x, y), c.bar.contains(x, y) ? fill : WhitePixel)
                    << x << "," << y;
            }
    }
}

// MaxValue 95 on a 100-pixel bar makes the bar exactly Value columns long. A cut column takes
// one colour from top to bottom: the darkened colour of its middle.
TEST(GaugeDrawing, BevelledBlocks_CutEdgeShadedOnlyWhenEndFallsInsideBlock)
{
    constexpr QRgb Dark = qRgb(155, 0, 0);
    const std::pair<int, QRgb> cases[] = {{6, Dark},            // inside the first block
                                          {10, Dark},           // its last-but-one column
                                          {11, qRgb(55, 0, 0)}, // its shadow edge, darkened again
                                          {12, WhitePixel},     // the first gap column
                                          {13, WhitePixel},     // the end of the gap
                                          {20, Dark}};          // the second block
    for (const auto &[length, colour] : cases) {
        SCOPED_TRACE(length);
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
    // A vertical bar's cut lightens its top row, up to column W − 4.
    ProgressBar bar;
    makePlain(bar, 20, 104);
    bar.setDirection(ProgressBar::dirVertical);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.setValue(5); // top = 97, inside the first block (rows 89 … 99)
    const QImage image = render(bar);
    EXPECT_EQ(std::pair(image.pixel(10, 97), image.pixel(16, 97)),
              std::pair(qRgb(255, 100, 100), qRgb(255, 100, 100)));
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
                        const bool inBar =
                            x >= 2 && y < h - 2 &&
                            (direction == 0 ? x < 2 + c && y >= 2 : x < w - 2 && y >= t);
                        QRgb expected =
                            inBar ? bars.pixel(x - 2, direction ? y : y - 2) : WhitePixel;
                        if (x == 0 || y == 0)
                            expected = qRgb(128, 128, 128);
                        if (x == w - 1 || y == h - 1)
                            expected = WhitePixel;
                        // A bevelled block cut by the bar's end shows a shade of its colour.
                        const QRgb shown = image.pixel(x, y);
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
    ProgressBar bar;
    bar.resize(200, 20);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    render(bar);
    const auto rebuilds = [&bar] { return Velgauge::ProgressBarInspector::gradientRebuilds(bar); };
    const int first = rebuilds();
    for (int v = 0; v <= 100; v += 5) {
        bar.setValue(v);
        render(bar);
    }
    bar.setCaption("changed");
    bar.setForeColor(0xFF);
    bar.setInvertText(true);
    bar.setAlignment(ProgressBar::alnLeft);
    render(bar);
    EXPECT_EQ(rebuilds(), first);
    bar.setBackColor(0xFF);
    bar.setFillColor(0xFF00);
    render(bar);
    EXPECT_EQ(rebuilds(), first + 1);
    bar.resize(150, 30);
    render(bar);
    render(bar);
    EXPECT_EQ(rebuilds(), first + 2);
}
