#include "CaptionSprite.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace Velgauge
{

namespace
{

// The bounding box of the pixels of an Alpha8 image that are not fully transparent.
QRect inkBox(const QImage &coverage)
{
    int left = coverage.width(), right = -1, top = coverage.height(), bottom = -1;
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar *line = coverage.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x)
            if (line[x]) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = y;
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

QFont captionFont(const QFont &controlFont, int dpiY, qreal ratio)
{
    QFont font(controlFont.family());
    int pixels = controlFont.pixelSize();
    if (controlFont.pointSizeF() > 0) {
        const double points = std::nearbyint(controlFont.pointSizeF());
        pixels = int(std::lround(points * dpiY / 72.0));
    }
    // The same height in control pixels as at ratio 1, in finer device pixels.
    font.setPixelSize(qMax(1, int(std::lround(pixels * ratio))));
    font.setWeight(controlFont.bold() ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

bool CaptionSprite::update(const QString &caption, const QFont &controlFont,
                           const QPaintDevice *device, bool inverted, qreal ratio)
{
    const int dpiY = device ? device->logicalDpiY() : 96;
    // The caption is usually the very string of last time: compare its data before its text.
    const bool sameText = caption.isSharedWith(m_caption) || caption == m_caption;
    if (m_valid && sameText && controlFont == m_controlFont && dpiY == m_dpiY &&
        inverted == m_inverted && ratio == m_ratio)
        return false;
    m_caption = caption;
    m_controlFont = controlFont;
    m_dpiY = dpiY;
    m_ratio = ratio;
    m_inverted = inverted;
    m_valid = true;
    m_rendered = false;

    const QFontMetrics metrics(controlFont, device);
    m_textWidth = metrics.horizontalAdvance(caption);
    m_textHeight = metrics.height();

    m_glyphFont = captionFont(controlFont, dpiY, ratio);
    if (inverted)
        m_glyphFont.setStyleStrategy(QFont::NoAntialias);
    m_inkCells = QRect();
    if (caption.isEmpty())
        return true;
    const QFontMetrics glyphMetrics(m_glyphFont);
    // Room for glyphs that reach past their advance or above the ascent.
    const int pad = glyphMetrics.height() / 2 + 2;
    m_inkCells = QRect(-pad, -pad, glyphMetrics.horizontalAdvance(caption) + 2 * pad,
                       glyphMetrics.height() + 2 * pad);
    return true;
}

QRect CaptionSprite::visibleCells(const Placement &placement) const
{
    const QPoint at = placement.at;
    const QSize size = placement.image;
    // Upward text: along the text is up the screen, down the glyph is to the right.
    const QRect picture = placement.vertical
                              ? QRect(at.y() - size.height(), -at.x(), size.height(), size.width())
                              : QRect(-at.x(), -at.y(), size.width(), size.height());
    return picture & m_inkCells;
}

void CaptionSprite::render(const Placement &placement)
{
    m_placement = placement;
    m_rendered = true;
    m_coverage = QImage();
    const QRect cells = visibleCells(placement);
    if (cells.isEmpty())
        return;
    QImage canvas(cells.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(m_glyphFont);
        painter.setPen(Qt::white);
        painter.drawText(-cells.left(), -cells.top() + QFontMetrics(m_glyphFont).ascent(),
                         m_caption);
    }
    const QImage coverage = canvas.convertToFormat(QImage::Format_Alpha8);
    // Each stamp walks the mask: keep only the box the glyphs actually reach.
    const QRect ink = inkBox(coverage);
    if (ink.isEmpty())
        return;
    m_coverage = coverage.copy(ink);
    m_coverageOrigin = cells.topLeft() + ink.topLeft();
}

// The mask only holds cells inside the picture (visibleCells), so each mask row maps onto a
// run of pixels: along a row of the picture, or up a column of it for vertical text.
template <typename Apply>
void CaptionSprite::forEachGlyphPixel(QImage &image, QPoint at, bool vertical, QRect clip,
                                      Apply apply)
{
    const Placement placement{image.size(), at, vertical};
    if (!m_rendered || !(placement == m_placement))
        render(placement);
    clip &= image.rect();
    if (m_coverage.isNull() || clip.isEmpty())
        return;
    QRgb *const pixels = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    const int u0 = m_coverageOrigin.x();
    for (int sy = 0; sy < m_coverage.height(); ++sy) {
        const int v = sy + m_coverageOrigin.y();
        // Upward text: along the text is up the screen, down the glyph is to the right.
        const QPoint first =
            vertical ? QPoint(at.x() + v, at.y() - 1 - u0) : QPoint(at.x() + u0, at.y() + v);
        const int across = vertical ? first.x() : first.y();
        if (across < (vertical ? clip.left() : clip.top()) ||
            across > (vertical ? clip.right() : clip.bottom()))
            continue;
        // The mask row's stretch of pixels that falls inside the clip.
        const int begin = qMax(0, vertical ? first.y() - clip.bottom() : clip.left() - first.x());
        const int end = qMin(m_coverage.width(),
                             vertical ? first.y() - clip.top() + 1 : clip.right() - first.x() + 1);
        const qsizetype step = vertical ? -stride : 1;
        qsizetype offset = first.y() * stride + first.x() + begin * step;
        const uchar *coverage = m_coverage.constScanLine(sy);
        for (int sx = begin; sx < end; ++sx, offset += step)
            if (coverage[sx])
                apply(pixels[offset], coverage[sx]);
    }
}

void CaptionSprite::stamp(QImage &image, QPoint at, bool vertical, QRgb color, QRect clip)
{
    forEachGlyphPixel(image, at, vertical, clip, [color](QRgb &pixel, int alpha) {
        if (alpha == 255) {
            pixel = color;
            return;
        }
        auto mix = [alpha](int under, int over) {
            return (under * (255 - alpha) + over * alpha + 127) / 255;
        };
        pixel = qRgb(mix(qRed(pixel), qRed(color)), mix(qGreen(pixel), qGreen(color)),
                     mix(qBlue(pixel), qBlue(color)));
    });
}

void CaptionSprite::invert(QImage &image, QPoint at, bool vertical, QRect clip)
{
    forEachGlyphPixel(image, at, vertical, clip, [](QRgb &pixel, int alpha) {
        if (alpha >= 128)
            pixel ^= 0x00FFFFFF;
    });
}

} // namespace Velgauge
