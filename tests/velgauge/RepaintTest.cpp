// Value changes redraw only the part of the picture that changed: the result must be the
// picture a gauge drawn afresh shows, and the part repainted on screen must hold every pixel
// that changed.
#include "PaintWatch.h"

#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using Velgauge::ProgressBar;

namespace
{

QImage render(const ProgressBar &bar)
{
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    bar.paint(painter);
    return image;
}

// A gauge that has never drawn, with the same stored properties and size.
QImage renderedAfresh(const ProgressBar &bar)
{
    Velgauge::PropertyBag bag;
    bar.writeProperties(bag);
    ProgressBar fresh;
    fresh.resize(bar.size());
    fresh.readProperties(bag);
    return render(fresh);
}

// Value changes in both directions, small and large, to the ends, within one block and across
// gaps; then changes of range that move the bar's end.
void walkValues(ProgressBar &bar, const std::function<void(const char *)> &check)
{
    for (const double value : {0.0, 7.0, 14.0, 13.5, 60.0, 100.0, 99.0, 3.0, 3.2, 55.0, 0.0, 42.0})
        bar.setValue(value), check("value");
    bar.setMaxValue(70), check("max");
    bar.setMinValue(-50), check("min");
    bar.setMaxValue(200), check("max");
    bar.setMinValue(200), check("min"); // the value follows into an empty range: no bar
}

class PartialRepaint : public ::testing::TestWithParam<std::tuple<int, int, int>>
{
  protected:
    // A gauge of the game's sizes in this direction and fill mode; caption style 0: none,
    // 1: centred in a colour, 2: inverted, 3: from the start of the bar.
    void SetUp() override
    {
        const auto [direction, mode, captionStyle] = GetParam();
        bar.resize(direction ? QSize(40, 300) : QSize(200, 20));
        bar.setDirection(ProgressBar::Direction(direction));
        bar.setFillMode(ProgressBar::FillMode(mode));
        bar.setFillColor(0x0000FF);
        bar.setFillColorGradient(0x00FF00);
        bar.setForeColor(0x000000);
        bar.setCaption(captionStyle ? QStringLiteral("Ship's Status") : QString());
        bar.setInvertText(captionStyle == 2);
        bar.setAlignment(captionStyle == 3 ? ProgressBar::alnLeft : ProgressBar::alnCenter);
    }
    ProgressBar bar;
};

// Also on controls so thin that the bar's end is tested on the border.
TEST_P(PartialRepaint, EveryPictureIsTheOneDrawnAfresh)
{
    for (const int thickness : {4, 5, 6, 20}) {
        bar.resize(bar.direction() ? QSize(thickness, 300) : QSize(200, thickness));
        bar.setValue(50);
        render(bar);
        walkValues(bar, [this](const char *what) {
            ASSERT_EQ(render(bar), renderedAfresh(bar))
                << what << " value " << bar.value() << " size " << bar.width() << "x"
                << bar.height();
        });
        bar.setMinValue(0);
    }
}

// On screen only the changed part is painted: every pixel that differs from the picture
// before lies in the painted region, which reaches no further along the bar than they do.
TEST_P(PartialRepaint, ScreenRepaintsCoverEveryChangedPixelAndLittleElse)
{
    Sardek::Testing::PaintWatch recorder;
    bar.installEventFilter(&recorder);
    bar.show();
    QApplication::processEvents();
    QImage before = render(bar);
    walkValues(bar, [&](const char *what) {
        recorder.painted = QRegion();
        QApplication::processEvents();
        const QImage after = render(bar);
        QRect changed;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                    ASSERT_TRUE(recorder.painted.contains(QPoint(x, y)))
                        << what << " value " << bar.value() << " at " << x << "," << y;
                }
        // Along the bar, no more than the changed stretch and a few columns either side, where
        // the ends may lie in gaps between blocks, which show no change.
        const QRect painted = recorder.painted.boundingRect();
        const auto along = [this](QRect r) { return bar.direction() ? r.height() : r.width(); };
        EXPECT_LE(along(painted), (changed.isEmpty() ? 0 : along(changed)) + 6)
            << what << " value " << bar.value();
        before = after;
    });
}

INSTANTIATE_TEST_SUITE_P(DirectionsModesCaptions, PartialRepaint,
                         ::testing::Combine(::testing::Values(0, 1), ::testing::Values(0, 1, 2),
                                            ::testing::Values(0, 1, 2, 3)));

} // namespace
