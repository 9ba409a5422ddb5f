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

// The mask of text that reads upwards: its last column becomes the first row.
QImage turnedCounterClockwise(const QImage &mask)
{
    QImage turned(mask.height(), mask.width(), QImage::Format_Alpha8);
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *row = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x)
            turned.scanLine(mask.width() - 1 - x)[y] = row[x];
    }
    return turned;
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
    const QImage mask = coverage.copy(ink);
    const QPoint cell = cells.topLeft() + ink.topLeft(); // (u, v) of the mask's first pixel
    if (placement.vertical) {
        m_coverage = turnedCounterClockwise(mask);
        m_origin = QPoint(placement.at.x() + cell.y(), placement.at.y() - cell.x() - mask.width());
    } else {
        m_coverage = mask;
        m_origin = placement.at + cell;
    }
}

// The mask lies on the picture as it is (turned already for upward text), inside it
// (visibleCells), so each of its rows is a run of pixels along a row of the picture.
template <typename Apply>
void CaptionSprite::forEachGlyphPixel(QImage &image, QPoint at, bool vertical, QRect clip,
                                      Apply apply)
{
    const Placement placement{image.size(), at, vertical};
    if (!m_rendered || !(placement == m_placement))
        render(placement);
    const QRect area = QRect(m_origin, m_coverage.size()) & clip & image.rect();
    if (m_coverage.isNull() || area.isEmpty())
        return;
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb *line = reinterpret_cast<QRgb *>(image.bits()) + area.top() * stride + area.left();
    for (int y = area.top(); y <= area.bottom(); ++y, line += stride) {
        const uchar *coverage =
            m_coverage.constScanLine(y - m_origin.y()) + (area.left() - m_origin.x());
        for (int i = 0; i < area.width(); ++i)
            if (coverage[i])
                apply(line[i], coverage[i]);
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
