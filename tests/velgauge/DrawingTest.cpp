// The gauge's pictures: the bar rendered once per look, and the whole gauge painted from it.
#include "BarComposer.h"
#include "GradientRenderer.h"
#include "GradientTable.h"
#include "ProgressBar_p.h"
#include "SystemColors.h"

#include <Velgauge/PropertyBag.h>

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

namespace Velgauge
{

// Reaches into a gauge for what only tests need to see: the captionPixels are those of the
// caption's glyph mask, which each picture walks.
struct ProgressBarInspector {
    static int gradientRebuilds(const ProgressBar &bar) { return bar.d->gradientRebuilds; }
    static int captionPixels(const ProgressBar &bar) { return bar.d->sprite.renderedPixels(); }
};

namespace
{

constexpr quint32 Red = 0x0000FF, Green = 0x00FF00, White = 0xFFFFFF;
constexpr QRgb RedPixel = 0xFFFF0000, WhitePixel = 0xFFFFFFFF;

// The picture a gauge paints, as a 32-bit image of its size on a device of this pixel ratio.
QImage render(const ProgressBar &bar, qreal ratio = 1.0)
{
    if (bar.size().isEmpty())
        return {};
    QImage image(bar.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    bar.paint(painter);
    return image;
}

// A plain red bar on white, no caption, 0 … 100: easy to read pixel by pixel.
void makePlain(ProgressBar &bar, int width, int height)
{
    bar.resize(width, height);
    bar.setCaption(QString());
    bar.setBackColor(White);
    bar.setFillColor(Red);
    bar.setGradientFill(false);
}

// The look of a red bar on white, gradient off, on a true-colour display.
GaugeLook plainLook(int width, int height, int direction, int fillMode)
{
    return {width, height, direction, fillMode, White, Red, Green, false, 16777216};
}

// The bounding box of the pixels that differ between two pictures of the same size.
QRect inkBox(const QImage &before, const QImage &after)
{
    QRect box;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// System colours come from a fixed table, literal ones have red in the low byte, and the
// display's colour count is held at the top of 32 bits. Gradient tables start one step on and
// reach the end colour at the entry before the last.
TEST(Colours, FixedSystemTable_GradientTableFromOneStepOn_GreenAndBlueScaledBy256Over255)
{
    EXPECT_EQ(TranslateVBColor(0x8000000F), 0xC8D0D4u); // button face
    EXPECT_EQ(TranslateVBColor(0x80001234), 0u);        // no such system colour
    EXPECT_EQ(TranslateVBColor(0x7FFFFFFF), 0x7FFFFFFFu);
    EXPECT_EQ(toRgb(0x7F123456), qRgb(0x56, 0x34, 0x12)); // the top byte is no component
    EXPECT_EQ(colorCount(1, 16), 65536);
    EXPECT_EQ(colorCount(2, 24), 2147483647);
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

// Gradient off, or on a display of 65,535 colours or fewer: FillColor alone, yet scaled as in
// every gradient. Mirrored bands run to the end colour at the middle and back.
TEST(GradientImage, PlainWhenOffOrFewColours_MirroredPeaksAtTheMiddle)
{
    for (const auto &[gradient, colours] : {std::pair(false, 16777216), std::pair(true, 65535)}) {
        const QImage image =
            RebuildGradient({50, 10, 0, 0, White, 0xC8C8C8, Green, gradient, colours});
        EXPECT_EQ(image.pixel(0, 5), qRgb(200, 201, 201)) << colours;
        EXPECT_EQ(image.pixel(49, 5), qRgb(200, 201, 201)) << colours;
    }
    QImage image(8, 2, QImage::Format_RGB32);
    GradientFill(image, plainLook(8, 2, 0, 0), 0x000000, 0x0000FF, FillDirection::LeftToRight,
                 FillStyle::Mirrored);
    const auto table = BuildGradientTable(8, 0x000000, 0x0000FF);
    const std::size_t entries[8] = {0, 2, 4, 6, 8, 6, 4, 2};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(image.pixel(x, 0), table[entries[x]]) << "band " << x;
}

// Blocks 11 long with gaps of two (areas 96 × 16 and 16 × 56) from the start of the area: its
// left end, or its bottom for a vertical gauge; two thirds of the height across. Bevelled ones
// lighten their left and top edges and darken the right and bottom ones, which win the corners.
TEST(GradientImage, Blocks_ElevenLongWithTwoPixelGapsFromTheStart_BevelledOnesShaded)
{
    const QImage across = RebuildGradient(plainLook(100, 20, 0, 1));
    const QImage up = RebuildGradient(plainLook(20, 60, 1, 1));
    for (int k = 0; k < 96; ++k) {
        const QRgb expected = k % 13 >= 11 ? WhitePixel : RedPixel;
        EXPECT_EQ(across.pixel(k, 8), expected) << "column " << k;
        if (k < 56) {
            EXPECT_EQ(up.pixel(8, 55 - k), expected) << "row " << 55 - k;
        }
    }
    EXPECT_EQ(across.pixel(96, 8), WhitePixel); // outside the block area
    EXPECT_EQ(across.pixel(5, 16), WhitePixel);
    const QImage bevelled = RebuildGradient(plainLook(100, 20, 0, 2));
    const QRgb light = qRgb(255, 100, 100), dark = qRgb(155, 0, 0);
    // Left, top, right and bottom edges, the four corners, the middle, the next block.
    const std::pair<QPoint, QRgb> shades[] = {
        {{0, 8}, light}, {{5, 0}, light}, {{10, 8}, dark},  {{5, 15}, dark},    {{0, 0}, light},
        {{10, 0}, dark}, {{0, 15}, dark}, {{10, 15}, dark}, {{5, 8}, RedPixel}, {{13, 8}, light}};
    for (const auto &[at, shade] : shades)
        EXPECT_EQ(bevelled.pixel(at), shade) << at.x() << "," << at.y();
}

// Red exactly in the bar's rectangle, white elsewhere inside the border: Value's share of 95
// columns from column 2, rounded half to even, or of the rows up from the bottom. A gradient
// spans the control from FillColor at the bar's start: a shorter bar shows fewer of its colours.
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
        bar.resize(c.width, c.height);
        bar.readProperties({{"BackColor", White},
                            {"FillColor", Red},
                            {"FillColorGradient", Green},
                            {"GradientFill", c.gradient},
                            {"Direction", c.direction},
                            {"MaxValue", c.maxValue},
                            {"Value", c.value}});
        const QImage image = render(bar);
        const auto bands = c.direction == V ? BuildGradientTable(c.height, Green, Red)
                                            : BuildGradientTable(c.width, Red, Green);
        for (int y = 1; y < c.height - 1; ++y)
            for (int x = 1; x < c.width - 1; ++x) {
                // Only a pixel of the bar has a band: the border column has none.
                const QRgb expected = !c.bar.contains(x, y) ? WhitePixel
                                      : c.gradient
                                          ? bands.at(std::size_t(c.direction == V ? y : x - 2))
                                          : RedPixel;
                ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
            }
    }
}

// MaxValue 95 on a 100-pixel bar makes the bar exactly Value columns long. A cut column takes
// one colour from top to bottom: the darkened colour of its middle.
TEST(GaugeDrawing, BevelledBlocks_CutEdgeShadedOnlyWhenEndFallsInsideBlock)
{
    constexpr QRgb Dark = qRgb(155, 0, 0);
    // Inside the first block, its last-but-one column, its shadow edge (darkened again), the
    // two gap columns, the second block.
    const std::pair<int, QRgb> cases[] = {{6, Dark},        {10, Dark},       {11, qRgb(55, 0, 0)},
                                          {12, WhitePixel}, {13, WhitePixel}, {20, Dark}};
    ProgressBar bar;
    makePlain(bar, 100, 20);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.setMaxValue(95);
    for (const auto &[length, colour] : cases) {
        SCOPED_TRACE(length);
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
    makePlain(bar, 20, 104);
    bar.setDirection(ProgressBar::dirVertical);
    bar.setValue(5); // top = 102 − 5.26 ≈ 97, inside the first block (rows 89 … 99)
    const QImage image = render(bar);
    EXPECT_EQ(std::pair(image.pixel(10, 97), image.pixel(16, 97)),
              std::pair(qRgb(255, 100, 100), qRgb(255, 100, 100)));
}

// A small control's picture, worked out by hand from the drawing rules for a red bar on white:
// one letter a pixel, g the border's grey shadow, w white (background or the border's light
// edge), R red, d and D red darkened once and twice, l red lightened.
struct TinyPicture {
    const char *name;
    int mode, direction;
    double value;
    std::vector<const char *> rows;
};

using TinyControl = ::testing::TestWithParam<TinyPicture>;

TEST_P(TinyControl, ShowsTheBarOnlyWhereTheRulesPutIt)
{
    const TinyPicture &c = GetParam();
    const std::map<char, QRgb> colours{
        {'g', qRgb(128, 128, 128)}, {'w', WhitePixel},     {'R', RedPixel},
        {'d', qRgb(155, 0, 0)},     {'D', qRgb(55, 0, 0)}, {'l', qRgb(255, 100, 100)}};
    ProgressBar bar;
    makePlain(bar, int(std::strlen(c.rows[0])), int(c.rows.size()));
    bar.setFillMode(ProgressBar::FillMode(c.mode));
    bar.setDirection(ProgressBar::Direction(c.direction));
    bar.setValue(c.value);
    const QImage image = render(bar);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(image.pixel(x, y), colours.at(c.rows[std::size_t(y)][x])) << x << "," << y;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pictures, TinyControl, ::testing::Values(
    TinyPicture{"OnePixel", 0, 0, 100, {"w"}},
    TinyPicture{"TwoPixelsSquare", 0, 0, 100, {"gw", "ww"}},
    TinyPicture{"ThreePixelsSquareShowsNoBar", 0, 1, 100, {"ggw", "gww", "www"}},
    // 100 % of W - 5 = 1 column, rows 2 to H - 3.
    TinyPicture{"Across6x6Full", 0, 0, 100, {"gggggw", "gwwwww", "gwRwww", "gwRwww", "gwwwww", "wwwwww"}},
    // 0.5 of a column rounds to the even 0.
    TinyPicture{"Across6x6HalfRoundsToNothing", 0, 0, 50, {"gggggw", "gwwwww", "gwwwww", "gwwwww", "gwwwww", "wwwwww"}},
    TinyPicture{"Across7x5Half", 0, 0, 50, {"ggggggw", "gwwwwww", "gwRwwww", "gwwwwww", "wwwwwww"}},
    // Top t = (H - 4) - (H - 4) p / 100 + 2, columns 2 to W - 3.
    TinyPicture{"Up6x6Half", 0, 1, 50, {"gggggw", "gwwwww", "gwwwww", "gwRRww", "gwwwww", "wwwwww"}},
    TinyPicture{"Up6x5HalfRoundsToTheWholeBar", 0, 1, 50, {"gggggw", "gwwwww", "gwRRww", "gwwwww", "wwwwww"}},
    TinyPicture{"Up6x6Empty", 0, 1, 0, {"gggggw", "gwwwww", "gwwwww", "gwwwww", "gwwwww", "wwwwww"}},
    // Blocks of round(2 × 2 / 3) = 1 column, gaps of 2.
    TinyPicture{"Blocks9x6Full", 1, 0, 100, {"ggggggggw", "gwwwwwwww", "gwRwwRwww", "gwRwwRwww", "gwwwwwwww", "wwwwwwwww"}},
    // A block one column wide: its shadow edges cover its light ones.
    TinyPicture{"Blocks3D9x6Full", 2, 0, 100, {"ggggggggw", "gwwwwwwww", "gwdwwdwww", "gwdwwdwww", "gwwwwwwww", "wwwwwwwww"}},
    // Blocks of 2 × 3, cut after their first column: the second, darker again.
    TinyPicture{"Blocks3D8x7CutInsideABlock", 2, 0, 50, {"gggggggw", "gwwwwwww", "gwlDwwww", "gwlDwwww", "gwdDwwww", "gwwwwwww", "wwwwwwww"}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// Every control up to 6 pixels each way, in every mode, direction and value, with a caption
// that cannot fit, draws without fault.
TEST(TinyControls, EverySizeDrawsWithoutFault)
{
    ProgressBar bar;
    for (int look = 0; look < 8; ++look) // four fill modes, the last unknown, both directions
        for (int w = 0; w <= 6; ++w)
            for (int h = 0; h <= 6; ++h)
                for (double v : {0.0, 50.0, 100.0}) {
                    makePlain(bar, w, h);
                    bar.setFillMode(ProgressBar::FillMode(look / 2));
                    bar.setDirection(ProgressBar::Direction(look % 2));
                    bar.setValue(v);
                    bar.setCaption("Caption");
                    bar.setInvertText(w % 2 == 1);
                    EXPECT_EQ(render(bar).size(), w && h ? QSize(w, h) : QSize(0, 0));
                }
}

TEST(GaugeRebuilds, ValueChangesNeverRebuildTheBar_LookAndSizeChangesDoOnce)
{
    ProgressBar bar;
    bar.resize(200, 20);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    const auto rebuildsOnPaint = [&bar] {
        render(bar);
        return ProgressBarInspector::gradientRebuilds(bar);
    };
    const int first = rebuildsOnPaint();
    for (int v = 0; v <= 100; v += 5) {
        bar.setValue(v);
        EXPECT_EQ(rebuildsOnPaint(), first) << v;
    }
    bar.setCaption("changed");
    bar.setForeColor(0xFF);
    bar.setInvertText(true);
    bar.setAlignment(ProgressBar::alnLeft);
    EXPECT_EQ(rebuildsOnPaint(), first);
    bar.setBackColor(0xFF);
    bar.setFillColor(0xFF00);
    EXPECT_EQ(rebuildsOnPaint(), first + 1);
    bar.resize(150, 30);
    render(bar);
    EXPECT_EQ(rebuildsOnPaint(), first + 2);
}

class CaptionDrawing : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        makePlain(bar, 120, 30);
        bar.setCaptionFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
        bar.setForeColor(0x000000); // the default caption colour is white, as the background
    }
    QImage withCaption(const QString &caption)
    {
        bar.setCaption(caption);
        return render(bar);
    }
    ProgressBar bar;
};

// Centred by default. A normal caption is drawn in ForeColor; an inverted one shows the
// inverse of what lies beneath, cyan over the red bar and black over white. On a device of
// twice the density each control pixel becomes a 2 × 2 block, but the caption, in the same
// place and size, is drawn in the finer pixels.
TEST_F(CaptionDrawing, Caption_CentredInForeColorOrInverting_SharpOnADenserDevice)
{
    bar.setForeColor(0x00FF00);
    for (const bool inverted : {false, true}) {
        bar.setInvertText(inverted);
        const QImage plain = withCaption(QString());
        QImage blocks = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio);
        blocks.setDevicePixelRatio(2);
        ASSERT_EQ(render(bar, 2), blocks);
        const QImage text = withCaption(QStringLiteral("Hold"));
        const QRect d = inkBox(plain, text);
        // The ink's margins left and right differ by no more than the glyphs' bearings.
        EXPECT_NEAR(d.left(), 120 - 1 - d.right(), 3) << inverted;
        int green = 0, cyan = 0, black = 0;
        for (int y = d.top(); y <= d.bottom(); ++y)
            for (int x = d.left(); x <= d.right(); ++x) {
                const QRgb under = plain.pixel(x, y), shown = text.pixel(x, y);
                ASSERT_TRUE(!inverted || shown == under || shown == (under ^ 0x00FFFFFF))
                    << x << "," << y;
                green += shown == qRgb(0, 255, 0);
                cyan += inverted && under == RedPixel && shown != under;
                black += inverted && under == WhitePixel && shown != under;
            }
        EXPECT_GT(inverted ? std::min(cyan, black) : green, 20) << inverted;

        const QImage sharp = render(bar, 2);
        const QRect fine = inkBox(blocks, sharp);
        EXPECT_NEAR(fine.center().x(), 2 * d.center().x(), 4) << inverted;
        EXPECT_NEAR(fine.height(), 2 * d.height(), 4) << inverted;
        int split = 0; // ink not made of 2 × 2 blocks
        for (int y = fine.top() & ~1; y < fine.bottom(); y += 2)
            for (int x = fine.left() & ~1; x < fine.right(); x += 2)
                split += sharp.pixel(x, y) != sharp.pixel(x + 1, y + 1);
        EXPECT_GT(split, 10) << inverted;
    }
}

TEST_F(CaptionDrawing, VerticalCaption_ReadsUpwardsFromThreePixelsAboveBottom_CentredAcross)
{
    makePlain(bar, 30, 160);
    bar.setDirection(ProgressBar::dirVertical);
    bar.setAlignment(ProgressBar::alnLeft);
    const QImage plain = withCaption(QString());
    const QImage text = withCaption(QStringLiteral("Tall caption"));
    const QRect d = inkBox(plain, text);
    EXPECT_NEAR(d.bottom(), 160 - 5.5, 1.5);
    EXPECT_GT(d.height(), d.width() * 3); // runs along the bar, not across it
    EXPECT_NEAR(d.left(), 30 - 1 - d.right(), 5);
    // Upwards: the first letter's tall stem lies at the bottom end.
    EXPECT_GE(inkBox(plain, withCaption(QStringLiteral("T"))).top(), d.bottom() - 20);
}

TEST_F(CaptionDrawing, LongCaption_CostsNoMoreThanTheControlShows)
{
    const QString endless(100000, QChar('W'));
    for (int direction : {0, 1}) {
        makePlain(bar, direction ? 30 : 120, direction ? 120 : 30);
        bar.setDirection(ProgressBar::Direction(direction));
        for (int alignment : {0, 1, 2, 7}) {
            bar.setAlignment(ProgressBar::Alignment(alignment));
            withCaption(endless);
            EXPECT_LE(ProgressBarInspector::captionPixels(bar), 120 * 30) << alignment;
        }
        // From the start of the bar, only the first letters fit: the same picture.
        bar.setAlignment(ProgressBar::alnLeft);
        EXPECT_EQ(withCaption(endless), withCaption(endless.left(40))) << direction;
    }
}

// A 100 × 40 control with a caption 30 × 12: the corner where the text cell starts.
TEST(CaptionPosition, FollowsDirectionAndAlignment)
{
    const std::tuple<int, int, QPoint> cases[] = {
        {0, 0, {3, 13}},  {0, 1, {67, 13}}, {0, 2, {35, 13}}, {0, 9, {0, 13}},
        {1, 0, {42, 37}}, {1, 1, {42, 33}}, {1, 2, {42, 35}}, {1, -1, {42, 40}}};
    for (const auto &[direction, alignment, corner] : cases)
        EXPECT_EQ(captionPosition(plainLook(100, 40, direction, 0), alignment, 30, 12), corner)
            << direction << " " << alignment;
}

} // namespace Velgauge
