#include "GradientRenderer.h"

#include "GradientTable.h"
#include "SystemColors.h"

#include <cmath>

namespace Velgauge
{

namespace
{

constexpr int BlockGap = 2;

// Fills the rectangle clipped to the area w × h at the image's top-left.
void fillClipped(QImage &image, QSize area, QRect rect, QRgb color)
{
    if (rect.isEmpty()) // an inverted rectangle would come out of the clip flipped
        return;
    rect &= QRect(QPoint(0, 0), area);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + rect.left(), line + rect.right() + 1, color);
    }
}

void fillBands(QImage &image, QSize area, const std::vector<QRgb> &table, FillDirection direction,
               FillStyle style)
{
    const int n = direction == FillDirection::TopToBottom ? area.height() : area.width();
    int entry = 0;
    for (int band = 0; band < n; ++band) {
        const int index = style == FillStyle::Normal ? band : qBound(0, entry, n);
        const QRect rect = direction == FillDirection::TopToBottom
                               ? QRect(0, band, area.width(), 1)
                               : QRect(band, 0, 1, area.height());
        fillClipped(image, area, rect, table[std::size_t(index)]);
        // Mirrored colours run to c2 at the middle and back towards c1.
        entry = band < n / 2 ? qMin(entry + 2, n) : entry - 2;
    }
}

// Highlight along the left and top edges, then shadow along the right and bottom ones, in
// the block's own colour lightened or darkened; the shadow wins the shared corners.
void bevelBlock(QImage &image, QSize area, QRect block, QPoint probe)
{
    const QRgb base = image.pixel(probe);
    const QRgb highlight = shiftedRgb(base, 100);
    const QRgb shadow = shiftedRgb(base, -100);
    fillClipped(image, area, QRect(block.left(), block.top(), 1, block.height()), highlight);
    fillClipped(image, area, QRect(block.left(), block.top(), block.width(), 1), highlight);
    fillClipped(image, area, QRect(block.right(), block.top(), 1, block.height()), shadow);
    fillClipped(image, area, QRect(block.left(), block.bottom(), block.width(), 1), shadow);
}

void cutHorizontalBlocks(QImage &image, QSize area, QRgb back, bool bevel)
{
    const int length = blockLength(area.height());
    for (int left = 0; left < area.width(); left += length + BlockGap) {
        if (bevel)
            bevelBlock(image, area, QRect(left, 0, length, area.height()),
                       QPoint(left, area.height() / 2));
        if (left + length < area.width())
            fillClipped(image, area, QRect(left + length, 0, BlockGap, area.height()), back);
    }
}

// Blocks are stacked upwards from the bottom edge of the area.
void cutVerticalBlocks(QImage &image, QSize area, QRgb back, bool bevel)
{
    const int length = blockLength(area.width());
    for (int bottom = area.height(); bottom > 0; bottom -= length + BlockGap) {
        const int top = bottom - length;
        if (bevel)
            bevelBlock(image, area, QRect(0, top, area.width(), length),
                       QPoint(area.width() / 2, bottom - 1));
        if (top > 0)
            fillClipped(image, area, QRect(0, top - BlockGap, area.width(), BlockGap), back);
    }
}

} // namespace

int blockLength(int thickness)
{
    return int(std::nearbyint(2.0 * thickness / 3.0));
}

void GradientFill(QImage &target, const GaugeLook &look, quint32 c1, quint32 c2,
                  FillDirection direction, FillStyle style)
{
    const int inset = look.fillMode > 0 ? 4 : 0;
    const QSize area(qMin(look.width - inset, target.width()),
                     qMin(look.height - inset, target.height()));
    if (area.isEmpty())
        return;

    const int n = direction == FillDirection::TopToBottom ? area.height() : area.width();
    fillBands(target, area, BuildGradientTable(n, c1, c2), direction, style);

    if (look.fillMode == 1 || look.fillMode == 2) {
        const QRgb back = toRgb(look.backColor);
        const bool bevel = look.fillMode == 2;
        if (look.direction == 0)
            cutHorizontalBlocks(target, area, back, bevel);
        else
            cutVerticalBlocks(target, area, back, bevel);
    }
}

QImage RebuildGradient(const GaugeLook &look)
{
    if (look.width <= 0 || look.height <= 0)
        return {};
    QImage image(look.width, look.height, QImage::Format_RGB32);
    image.fill(toRgb(look.backColor));

    const quint32 fill = TranslateVBColor(look.fillColor);
    if (!look.gradientFill || look.systemColors <= 65535)
        GradientFill(image, look, fill, fill, FillDirection::LeftToRight, FillStyle::Normal);
    else if (look.direction == 0)
        GradientFill(image, look, fill, TranslateVBColor(look.fillColorGradient),
                     FillDirection::LeftToRight, FillStyle::Normal);
    else // a vertical bar grows from the bottom, so it too starts in FillColor
        GradientFill(image, look, TranslateVBColor(look.fillColorGradient), fill,
                     FillDirection::TopToBottom, FillStyle::Normal);
    return image;
}

} // namespace Velgauge
