#include "CaptionSprite.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace Velgauge
{

QFont captionFont(const QFont &controlFont, int dpiY)
{
    QFont font(controlFont.family());
    int pixels = controlFont.pixelSize();
    if (controlFont.pointSizeF() > 0) {
        const double points = std::nearbyint(controlFont.pointSizeF());
        pixels = int(std::lround(points * dpiY / 72.0));
    }
    font.setPixelSize(qMax(1, pixels));
    font.setWeight(controlFont.bold() ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void CaptionSprite::update(const QString &caption, const QFont &controlFont,
                           const QPaintDevice *device, bool inverted)
{
    const int dpiY = device ? device->logicalDpiY() : 96;
    if (m_valid && caption == m_caption && controlFont == m_controlFont && dpiY == m_dpiY &&
        inverted == m_inverted)
        return;
    m_caption = caption;
    m_controlFont = controlFont;
    m_dpiY = dpiY;
    m_inverted = inverted;
    m_valid = true;

    const QFontMetrics metrics(controlFont, device);
    m_textWidth = metrics.horizontalAdvance(caption);
    m_textHeight = metrics.height();

    QFont glyphFont = captionFont(controlFont, dpiY);
    if (inverted)
        glyphFont.setStyleStrategy(QFont::NoAntialias);
    render(glyphFont);
}

void CaptionSprite::render(const QFont &glyphFont)
{
    m_coverage = QImage();
    if (m_caption.isEmpty())
        return;
    const QFontMetrics metrics(glyphFont);
    // Room for glyphs that reach past their advance or above the ascent.
    const int pad = metrics.height() / 2 + 2;
    QImage canvas(metrics.horizontalAdvance(m_caption) + 2 * pad, metrics.height() + 2 * pad,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(glyphFont);
        painter.setPen(Qt::white);
        painter.drawText(pad, pad + metrics.ascent(), m_caption);
    }
    m_coverage = canvas.convertToFormat(QImage::Format_Alpha8);
    m_origin = QPoint(pad, pad);
}

template <typename Apply>
void CaptionSprite::forEachGlyphPixel(QImage &image, int x, int y, bool vertical,
                                      QPoint clipTopLeft, Apply apply) const
{
    for (int sy = 0; sy < m_coverage.height(); ++sy) {
        const uchar *coverage = m_coverage.constScanLine(sy);
        const int v = sy - m_origin.y();
        for (int sx = 0; sx < m_coverage.width(); ++sx) {
            if (!coverage[sx])
                continue;
            const int u = sx - m_origin.x();
            // Upward text: along the text is up the screen, down the glyph is to the right.
            const int px = vertical ? x + v : x + u;
            const int py = vertical ? y - 1 - u : y + v;
            if (px < clipTopLeft.x() || py < clipTopLeft.y() || px >= image.width() ||
                py >= image.height())
                continue;
            apply(reinterpret_cast<QRgb *>(image.scanLine(py))[px], coverage[sx]);
        }
    }
}

void CaptionSprite::stamp(QImage &image, int x, int y, bool vertical, QRgb color) const
{
    forEachGlyphPixel(image, x, y, vertical, QPoint(0, 0), [color](QRgb &pixel, int alpha) {
        auto mix = [alpha](int under, int over) {
            return (under * (255 - alpha) + over * alpha + 127) / 255;
        };
        pixel = qRgb(mix(qRed(pixel), qRed(color)), mix(qGreen(pixel), qGreen(color)),
                     mix(qBlue(pixel), qBlue(color)));
    });
}

void CaptionSprite::invert(QImage &image, int x, int y, bool vertical) const
{
    forEachGlyphPixel(image, x, y, vertical, QPoint(1, 1), [](QRgb &pixel, int alpha) {
        if (alpha >= 128)
            pixel ^= 0x00FFFFFF;
    });
}

} // namespace Velgauge
