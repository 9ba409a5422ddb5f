#pragma once

#include "VelgaugeTesting.h"

#include <QFont>
#include <QImage>
#include <QString>

class QPaintDevice;

namespace Velgauge
{

// The caption rendered once as a coverage mask, laid out horizontally, ready to be stamped
// onto each new picture. Re-rendered only when the text, font or kind of stamping change.
class VELGAUGE_AUTOTEST_EXPORT CaptionSprite
{
  public:
    // Caption metrics are those of the control's font on device; the glyphs are drawn in a
    // font of S × dpiY ÷ 72 pixels (S the point size rounded half to even), bold or normal,
    // never italic, underlined or struck out. Inverted captions are drawn without
    // antialiasing, so that every pixel either is inverted or is not.
    void update(const QString &caption, const QFont &controlFont, const QPaintDevice *device,
                bool inverted);

    int textWidth() const { return m_textWidth; }
    int textHeight() const { return m_textHeight; }

    // Blends color into image over the glyphs, the text cell's top-left corner at (x, y);
    // vertical text runs upwards from (x, y), the cell's top to the right of that point.
    void stamp(QImage &image, int x, int y, bool vertical, QRgb color) const;
    // Inverts the pixels under the glyphs, but never in row 0 or column 0.
    void invert(QImage &image, int x, int y, bool vertical) const;

  private:
    template <typename Apply>
    void forEachGlyphPixel(QImage &image, int x, int y, bool vertical, QPoint clipTopLeft,
                           Apply apply) const;
    void render(const QFont &glyphFont);

    QString m_caption;
    QFont m_controlFont;
    int m_dpiY = 0;
    bool m_inverted = false;
    bool m_valid = false;

    int m_textWidth = 0;
    int m_textHeight = 0;
    QImage m_coverage; // Alpha8; the text cell's top-left corner at m_origin
    QPoint m_origin;
};

// The font the glyphs are drawn in, for a caption in controlFont on a surface of dpiY.
VELGAUGE_AUTOTEST_EXPORT QFont captionFont(const QFont &controlFont, int dpiY);

} // namespace Velgauge
