#include "GradientRenderer.h"
#include "GradientTable.h"
#include "SystemColors.h"

#include "GaugeImages.h"

#include <gtest/gtest.h>

using namespace Velgauge;

TEST(SystemColors, FixedTableForSystemColours_LowByteIsRed_DisplayCountHeldAtTheTop)
{
    EXPECT_EQ(TranslateVBColor(0x8000000F), 0xC8D0D4u); // button face
    EXPECT_EQ(TranslateVBColor(0x80001234), 0u);        // no such system colour
    EXPECT_EQ(TranslateVBColor(0x7FFFFFFF), 0x7FFFFFFFu);
    EXPECT_EQ(toRgb(0x7F123456), qRgb(0x56, 0x34, 0x12)); // the top byte is no component
    EXPECT_EQ(colorCount(1, 16), 65536);
    EXPECT_EQ(colorCount(2, 24), 2147483647); // too many for 32 bits
}

TEST(GradientTable, FirstEntryIsOneStepOn_EntryBeforeLastIsEnd_GreenAndBlueScaledBy256Over255)
{
    // Black to red over 4 bands: 63.75 is one step already; one step beyond 255 is clamped.
    EXPECT_EQ(BuildGradientTable(4, 0x000000, 0x0000FF),
              (std::vector<QRgb>{qRgb(64, 0, 0), qRgb(128, 0, 0), qRgb(191, 0, 0), qRgb(255, 0, 0),
                                 qRgb(255, 0, 0)}));
    // Red steps of 0.5 from 0: 0.5, 1.0, 1.5, 2.0 round half to even.
    EXPECT_EQ(BuildGradientTable(4, 0x000000, 0x000002),
              (std::vector<QRgb>{qRgb(0, 0, 0), qRgb(1, 0, 0), qRgb(2, 0, 0), qRgb(2, 0, 0),
                                 qRgb(2, 0, 0)}));
    EXPECT_EQ(BuildGradientTable(0, 0x0000FF, 0x00FF00), std::vector<QRgb>{qRgb(0, 255, 0)});
    // 200 × 256 ÷ 255 = 200.78 rounds up; 255 × 256 ÷ 255 = 256 is clamped.
    EXPECT_EQ(BuildGradientTable(3, 0xC8C8C8, 0xC8C8C8), std::vector<QRgb>(4, qRgb(200, 201, 201)));
    EXPECT_EQ(BuildGradientTable(1, 0xFFFFFF, 0xFFFFFF)[0], qRgb(255, 255, 255));
}

using GaugeImages::plainLook;
constexpr QRgb White = GaugeImages::WhitePixel, Red = GaugeImages::RedPixel;

// Blocks 11 long with gaps of two (areas 96 × 16 and 16 × 56) from the start of the area: its
// left end, or its bottom for a vertical gauge; two thirds of the height across. Bevelled ones
// lighten their left and top edges and darken the right and bottom ones, which win the corners.
TEST(GradientImage, Blocks_ElevenLongWithTwoPixelGapsFromTheStart_BevelledOnesShaded)
{
    const QImage across = RebuildGradient(plainLook(100, 20, 0, 1));
    const QImage up = RebuildGradient(plainLook(20, 60, 1, 1));
    for (int k = 0; k < 96; ++k) {
        const QRgb expected = k % 13 >= 11 ? White : Red;
        EXPECT_EQ(across.pixel(k, 8), expected) << "column " << k;
        if (k < 56) {
            EXPECT_EQ(up.pixel(8, 55 - k), expected) << "row " << 55 - k;
        }
    }
    EXPECT_EQ(across.pixel(96, 8), White); // outside the block area
    EXPECT_EQ(across.pixel(5, 16), White);
    const QImage bevelled = RebuildGradient(plainLook(100, 20, 0, 2));
    const QRgb light = qRgb(255, 100, 100), dark = qRgb(155, 0, 0);
    // Left, top, right and bottom edges, the four corners, the middle, the next block.
    const std::pair<QPoint, QRgb> shades[] = {
        {{0, 8}, light}, {{5, 0}, light}, {{10, 8}, dark},  {{5, 15}, dark}, {{0, 0}, light},
        {{10, 0}, dark}, {{0, 15}, dark}, {{10, 15}, dark}, {{5, 8}, Red},   {{13, 8}, light}};
    for (const auto &[at, shade] : shades)
        EXPECT_EQ(bevelled.pixel(at), shade) << at.x() << "," << at.y();
}

// Gradient off, or on a display of 65,535 colours or fewer: FillColor alone, yet with green and
// blue scaled as in every gradient.
TEST(GradientImage, FewColoursOrNoGradient_GivePlainFillColor)
{
    for (const auto &[gradient, colours] : {std::pair(false, 16777216), std::pair(true, 65535)}) {
        GaugeLook look = plainLook(50, 10, 0, 0);
        look.fillColor = 0xC8C8C8;
        look.gradientFill = gradient;
        look.systemColors = colours;
        const QImage image = RebuildGradient(look);
        EXPECT_EQ(image.pixel(0, 5), qRgb(200, 201, 201)) << colours;
        EXPECT_EQ(image.pixel(49, 5), qRgb(200, 201, 201)) << colours;
    }
}

TEST(GradientImage, MirroredStyle_PeaksAtTheMiddleAndReturns)
{
    QImage image(8, 2, QImage::Format_RGB32);
    GradientFill(image, plainLook(8, 2, 0, 0), 0x000000, 0x0000FF, FillDirection::LeftToRight,
                 FillStyle::Mirrored);
    const auto table = BuildGradientTable(8, 0x000000, 0x0000FF);
    const std::size_t entries[8] = {0, 2, 4, 6, 8, 6, 4, 2};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(image.pixel(x, 0), table[entries[x]]) << "band " << x;
}
