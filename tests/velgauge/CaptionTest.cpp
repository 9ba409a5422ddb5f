#include "GaugeImages.h"

#include "BarComposer.h"

#include <Velgauge/ProgressBar.h>

#include <gtest/gtest.h>

using namespace GaugeImages;
using Velgauge::ProgressBar;

namespace
{

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

// Centred by default. A normal caption is drawn in ForeColor; an inverted one shows the
// inverse of what lies beneath, cyan over the red bar and black over white. On a device of
// twice the density each control pixel becomes a 2 × 2 block, but the caption, in the same
// place and size, is drawn in the finer pixels.
TEST_F(CaptionDrawing, Caption_CentredInForeColorOrInverting_SharpOnADenserDevice)
{
    bar.setValue(50);
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
                if (inverted && under != shown) {
                    ASSERT_EQ(shown, under ^ 0x00FFFFFF) << x << "," << y;
                }
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
    bar.setValue(0);
    const QImage plain = withCaption(QString());
    const QImage text = withCaption(QStringLiteral("Tall caption"));
    const QRect d = inkBox(plain, text);
    EXPECT_LE(d.bottom(), 160 - 4);
    EXPECT_GE(d.bottom(), 160 - 7);
    EXPECT_GT(d.height(), d.width() * 3); // runs along the bar, not across it
    EXPECT_NEAR(d.left(), 30 - 1 - d.right(), 5);
    // Upwards: the first letter's tall stem lies at the bottom end.
    const QImage t = withCaption(QStringLiteral("T"));
    const QRect first = inkBox(plain, t);
    EXPECT_GE(first.top(), d.bottom() - 20);
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

// A 100 × 40 control with a caption 30 × 12: the corner where the text cell starts.
TEST(CaptionPosition, FollowsDirectionAndAlignment)
{
    const std::tuple<int, int, QPoint> cases[] = {
        {0, 0, {3, 13}},  {0, 1, {67, 13}}, {0, 2, {35, 13}}, {0, 9, {0, 13}},
        {1, 0, {42, 37}}, {1, 1, {42, 33}}, {1, 2, {42, 35}}, {1, -1, {42, 40}}};
    for (const auto &[direction, alignment, corner] : cases)
        EXPECT_EQ(Velgauge::captionPosition(plainLook(100, 40, direction, 0), alignment, 30, 12),
                  corner)
            << direction << " " << alignment;
}
