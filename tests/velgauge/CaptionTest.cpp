#include "GaugeImages.h"

#include "BarComposer.h"

#include <Velgauge/ProgressBar.h>

#include <QFontDatabase>
#include <gtest/gtest.h>

using namespace GaugeImages;
using Velgauge::ProgressBar;

namespace
{

// Pixels that differ between two pictures of the same size, as a bounding box and count.
struct Difference {
    QRect box;
    int count = 0;
};

Difference compare(const QImage &before, const QImage &after)
{
    Difference d;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) {
                d.box |= QRect(x, y, 1, 1);
                ++d.count;
            }
    return d;
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

} // namespace

TEST_F(CaptionDrawing, InvertedCaption_IsCyanOverRedBarAndBlackOverWhite)
{
    bar.setInvertText(true);
    bar.setValue(50);
    const QImage plain = withCaption(QString());
    const QImage text = withCaption(QStringLiteral("MMMMMMMM"));
    int cyan = 0, black = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb under = plain.pixel(x, y), shown = text.pixel(x, y);
            if (under == shown)
                continue;
            // Every changed pixel shows exactly the inverse of what lies beneath.
            ASSERT_EQ(shown, under ^ 0x00FFFFFF) << x << "," << y;
            cyan += under == RedPixel;
            black += under == WhitePixel;
        }
    EXPECT_GT(cyan, 20);
    EXPECT_GT(black, 20);
}

TEST_F(CaptionDrawing, NormalCaption_IsDrawnInForeColor_CentredByDefault)
{
    bar.setValue(0);
    bar.setForeColor(0x00FF00);
    const QImage plain = withCaption(QString());
    const QImage text = withCaption(QStringLiteral("Hold"));
    const Difference d = compare(plain, text);
    ASSERT_GT(d.count, 20);
    int green = 0;
    for (int y = d.box.top(); y <= d.box.bottom(); ++y)
        for (int x = d.box.left(); x <= d.box.right(); ++x)
            green += text.pixel(x, y) == qRgb(0, 255, 0);
    EXPECT_GT(green, 10);
    // Centred: the ink's margins left and right differ by no more than the glyphs' bearings.
    EXPECT_NEAR(d.box.left(), 120 - 1 - d.box.right(), 3);
}

TEST_F(CaptionDrawing, VerticalCaption_ReadsUpwardsFromThreePixelsAboveBottom_CentredAcross)
{
    makePlain(bar, 30, 160);
    bar.setDirection(ProgressBar::dirVertical);
    bar.setAlignment(ProgressBar::alnLeft);
    bar.setValue(0);
    const QImage plain = withCaption(QString());
    const QImage text = withCaption(QStringLiteral("Tall caption"));
    const Difference d = compare(plain, text);
    ASSERT_GT(d.count, 20);
    EXPECT_LE(d.box.bottom(), 160 - 4);
    EXPECT_GE(d.box.bottom(), 160 - 7);
    EXPECT_GT(d.box.height(), d.box.width() * 3); // runs along the bar, not across it
    EXPECT_NEAR(d.box.left(), 30 - 1 - d.box.right(), 5);
    // Upwards: the first letter's tall stem lies at the bottom end.
    const QImage t = withCaption(QStringLiteral("T"));
    const Difference first = compare(plain, t);
    EXPECT_GE(first.box.top(), d.box.bottom() - 20);
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
            EXPECT_LE(Velgauge::ProgressBarInspector::captionPixels(bar), 120 * 30) << alignment;
        }
        // From the start of the bar, only the first letters fit: the same picture.
        bar.setAlignment(ProgressBar::alnLeft);
        EXPECT_EQ(withCaption(endless), withCaption(endless.left(40))) << direction;
    }
}

TEST_F(CaptionDrawing, HighDensityDevice_SharpCaptionOverBlocksOfControlPixels)
{
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.setGradientFill(true);
    bar.setValue(40);
    for (bool inverted : {false, true}) {
        bar.setInvertText(inverted);
        const QImage plain = withCaption(QString());
        QImage blocks = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio);
        blocks.setDevicePixelRatio(2);
        ASSERT_EQ(render(bar, 2), blocks); // bands, blocks and border keep their geometry
        const Difference coarse = compare(plain, withCaption(QStringLiteral("Hold")));
        const QImage sharp = render(bar, 2);
        const Difference fine = compare(blocks, sharp);
        // The caption stays where it was and as large, in control pixels, but in finer ones:
        // the ink is not made of 2 × 2 blocks.
        EXPECT_NEAR(fine.box.center().x(), 2 * coarse.box.center().x(), 4) << inverted;
        EXPECT_NEAR(fine.box.height(), 2 * coarse.box.height(), 4) << inverted;
        int split = 0;
        for (int y = fine.box.top() & ~1; y < fine.box.bottom(); y += 2)
            for (int x = fine.box.left() & ~1; x < fine.box.right(); x += 2)
                split += sharp.pixel(x, y) != sharp.pixel(x + 1, y + 1);
        EXPECT_GT(split, 10) << inverted;
    }
}

struct PositionCase {
    int direction, alignment;
    QPoint expected;
};

class CaptionPosition : public ::testing::TestWithParam<PositionCase>
{
};

// A 100 × 40 control with a caption 30 × 12: the corner where the text cell starts.
TEST_P(CaptionPosition, FollowsDirectionAndAlignment)
{
    Velgauge::GaugeLook look;
    look.width = 100;
    look.height = 40;
    look.direction = GetParam().direction;
    EXPECT_EQ(Velgauge::captionPosition(look, GetParam().alignment, 30, 12), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CaptionPosition,
    ::testing::Values(PositionCase{0, 0, {3, 13}}, PositionCase{0, 1, {67, 13}},
                      PositionCase{0, 2, {35, 13}}, PositionCase{0, 9, {0, 13}},
                      PositionCase{1, 0, {42, 37}}, PositionCase{1, 1, {42, 33}},
                      PositionCase{1, 2, {42, 35}}, PositionCase{1, -1, {42, 40}}));
