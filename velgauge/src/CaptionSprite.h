#pragma once

#include <QFont>
#include <QImage>
#include <QString>

class QPaintDevice;

namespace Velgauge
{

// The caption as a coverage mask, ready to be stamped onto each new picture. Only the part
// that lands on the picture is rendered, and only when the text, font, kind of stamping,
// picture size or caption position change, so a value change costs at most one pass over
// what the control can show, however long the caption.
class CaptionSprite
{
  public:
    // Caption metrics are those of the control's font on device, in control pixels; the
    // glyphs are drawn in a font of S × dpiY ÷ 72 control pixels (S the point size rounded half
    // to even), each of ratio device pixels, bold or normal, never italic, underlined or
    // struck out. Inverted captions are drawn without antialiasing, so that every pixel
    // either is inverted or is not. True when the stamps will differ from the last ones.
    bool update(const QString &caption, const QFont &controlFont, const QPaintDevice *device,
                bool inverted, qreal ratio = 1.0);

    int textWidth() const { return m_textWidth; }
    int textHeight() const { return m_textHeight; }
    // Size of the rendered glyph mask that each stamp walks: never more than the picture.
    int renderedPixels() const { return int(m_coverage.sizeInBytes()); }

    // Blends color into image (in device pixels) over the glyphs inside clip, the text
    // cell's top-left corner at `at`; vertical text runs upwards from `at`, the cell's top
    // to its right. Each pixel's result depends on that pixel alone, so a part of a picture
    // can be redrawn and stamped again on its own.
    void stamp(QImage &image, QPoint at, bool vertical, QRgb color, QRect clip);
    // Inverts the pixels under the glyphs inside clip.
    void invert(QImage &image, QPoint at, bool vertical, QRect clip);

  private:
    struct Placement {
        QSize image;
        QPoint at;
        bool vertical = false;
        bool operator==(const Placement &) const = default;
    };
    template <typename Apply>
    void forEachGlyphPixel(QImage &image, QPoint at, bool vertical, QRect clip, Apply apply);
    // The glyphs' cells, in text coordinates (u along the text from the cell's start, v down
    // from its top), that fall inside the picture for this placement.
    QRect visibleCells(const Placement &placement) const;
    void render(const Placement &placement);

    QString m_caption;
    QFont m_controlFont;
    QFont m_glyphFont;
    int m_dpiY = 0;
    qreal m_ratio = 1.0;
    bool m_inverted = false;
    bool m_valid = false;

    int m_textWidth = 0;
    int m_textHeight = 0;
    QRect m_inkCells; // where glyphs may reach, in text coordinates
    Placement m_placement;
    bool m_rendered = false;
    QImage m_coverage; // Alpha8, as the glyphs lie on the picture, its pixel (0, 0) at m_origin
    QPoint m_origin;
};

// The font the glyphs are drawn in, for a caption in controlFont on a surface of dpiY whose
// pixels are ratio device pixels each.
QFont captionFont(const QFont &controlFont, int dpiY, qreal ratio = 1.0);

} // namespace Velgauge
