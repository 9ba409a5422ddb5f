#include "BarComposer.h"

#include "CaptionSprite.h"
#include "SystemColors.h"

#include <QtMath>
#include <cmath>
#include <cstring>

namespace Velgauge
{

namespace
{

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

QRgb *pixelAt(QImage &image, int x, int y)
{
    // bits() once per call: scanLine() would check for sharing on every row.
    return reinterpret_cast<QRgb *>(image.bits() + y * image.bytesPerLine()) + x;
}

// Copies the source rectangle of gradient to target in work, but only what lands in clip, and
// returns where it landed. An inverted rectangle (bottom above top, as on controls of 3
// pixels or less across the bar) must stay empty: QRect's intersection would flip it into a
// real one.
QRect copyBlock(QImage &work, const QImage &gradient, QRect source, QPoint target, QRect clip)
{
    if (source.isEmpty())
        return {};
    const QPoint offset = target - source.topLeft();
    source &= gradient.rect();
    source &= (work.rect() & clip).translated(-offset);
    if (source.isEmpty())
        return {};
    QRgb *to = pixelAt(work, source.left() + offset.x(), source.top() + offset.y());
    const uchar *from = gradient.constBits() + source.top() * gradient.bytesPerLine();
    for (int y = source.top(); y <= source.bottom(); ++y) {
        std::memcpy(to, reinterpret_cast<const QRgb *>(from) + source.left(),
                    std::size_t(source.width()) * 4);
        to += work.bytesPerLine() / 4;
        from += gradient.bytesPerLine();
    }
    return source.translated(offset);
}

void paintRect(QImage &image, QRect rect, QRgb color, QRect clip)
{
    if (rect.isEmpty())
        return;
    rect &= image.rect() & clip;
    if (rect.isEmpty())
        return;
    QRgb *line = pixelAt(image, rect.left(), rect.top());
    for (int y = rect.top(); y <= rect.bottom(); ++y, line += image.bytesPerLine() / 4)
        std::fill(line, line + rect.width(), color);
}

// Fills clip but for the hole inside it, which holds something else already.
void fillAround(QImage &work, QRect clip, QRect hole, QRgb color)
{
    if (hole.isEmpty()) {
        paintRect(work, clip, color, clip);
        return;
    }
    const QRect rows(clip.left(), hole.top(), clip.width(), hole.height());
    paintRect(work, QRect(clip.topLeft(), QPoint(clip.right(), hole.top() - 1)), color, clip);
    paintRect(work, QRect(QPoint(clip.left(), hole.bottom() + 1), clip.bottomRight()), color, clip);
    paintRect(work, QRect(rows.topLeft(), QPoint(hole.left() - 1, hole.bottom())), color, clip);
    paintRect(work, QRect(QPoint(hole.right() + 1, hole.top()), rows.bottomRight()), color, clip);
}

bool shows(const QImage &image, QPoint point, QRgb color)
{
    return !image.rect().contains(point) || image.pixel(point) == color;
}

// A bar whose end falls inside a block gets a bevel at the cut: the last column darker, or
// on a vertical bar the top row lighter.
void cutEdge(QImage &work, QRgb back, const GaugeLook &look, int end, QRect clip)
{
    const int w = look.width, h = look.height;
    if (look.direction == 0) {
        const QPoint last(end + 1, h / 2);
        if (shows(work, QPoint(end, h / 2), back) || shows(work, last, back))
            return;
        paintRect(work, QRect(QPoint(end + 1, 2), QPoint(end + 1, h - 3)),
                  shiftedRgb(work.pixel(last), -100), clip);
    } else {
        const QPoint top(2 + (w - 5) / 2, end);
        if (shows(work, top, back) || shows(work, top + QPoint(0, 1), back))
            return;
        paintRect(work, QRect(QPoint(2, end), QPoint(w - 4, end)), shiftedRgb(work.pixel(top), 100),
                  clip);
    }
}

void sunkenBorder(QImage &work, QRect clip)
{
    const QRgb shadow = toRgb(SystemColorFlag | COLOR_BTNSHADOW);
    const QRgb light = toRgb(SystemColorFlag | COLOR_BTNHIGHLIGHT);
    const int w = work.width(), h = work.height();
    paintRect(work, QRect(0, 0, w, 1), shadow, clip);
    paintRect(work, QRect(0, 0, 1, h), shadow, clip);
    paintRect(work, QRect(0, h - 1, w, 1), light, clip);
    paintRect(work, QRect(w - 1, 0, 1, h), light, clip);
}

} // namespace

double fillPercent(double value, double minValue, double maxValue)
{
    const double percent = (value - minValue) * 100.0 / (maxValue - minValue);
    // An empty or unordered range, or infinite ends, leave nothing sensible to show: empty.
    if (!std::isfinite(percent))
        return 0;
    return qBound(0.0, percent, 100.0);
}

QPoint captionPosition(const GaugeLook &look, qint32 alignment, int tw, int th)
{
    const int w = look.width, h = look.height;
    if (look.direction == 0) {
        const int y = (h - th) / 2 - 1;
        switch (alignment) {
        case 0:
            return {3, y};
        case 1:
            return {w - tw - 3, y};
        case 2:
            return {(w - tw) / 2, y};
        default:
            return {0, y};
        }
    }
    const int x = (w - th) / 2 - 2;
    switch (alignment) {
    case 0:
        return {x, h - 3};
    case 1:
        return {x, tw + 3};
    case 2:
        return {x, tw + (h - tw) / 2};
    default: // the start of the bar, which on a vertical one is its bottom
        return {x, h};
    }
}

int barEnd(const GaugeLook &look, const BarState &state)
{
    const int w = look.width, h = look.height;
    const double percent = fillPercent(state.value, state.minValue, state.maxValue);
    if (look.direction == 0)
        return qBound(0, roundHalfEven(percent * (w - 5) / 100.0), qMax(0, w - 5));
    return qBound(2, roundHalfEven((h - 4) - (h - 4) * percent / 100.0 + 2), qMax(2, h - 2));
}

QRect barChange(const GaugeLook &look, int from, int to)
{
    if (from == to)
        return {};
    // Along the bar: the columns (rows) between both ends, and the one after the further,
    // which the cut edge of a bevelled block reads. Across it: the bar's own rows (columns);
    // border and margins never change.
    const int first = qMin(from, to), last = qMax(from, to) + 1;
    const QRect span = look.direction == 0 ? QRect(first, 2, last - first + 1, look.height - 4)
                                           : QRect(2, first, look.width - 4, last - first + 1);
    return span & QRect(0, 0, look.width, look.height);
}

namespace
{

// Background, the revealed part of the pre-rendered bar, the cut edge and the border inside
// clip, one image pixel per control pixel.
void drawBody(QImage &work, const QImage &gradient, const GaugeLook &look, const BarState &state,
              QRect clip)
{
    const int w = look.width, h = look.height;
    const int end = barEnd(look, state);
    const QRect bar = look.direction == 0
                          ? copyBlock(work, gradient, QRect(0, 0, end, h - 4), QPoint(2, 2), clip)
                          : copyBlock(work, gradient, QRect(QPoint(0, end), QPoint(w - 5, h - 3)),
                                      QPoint(2, end), clip);
    const QRgb back = toRgb(look.backColor);
    fillAround(work, clip, bar, back);
    if (look.fillMode == 2)
        cutEdge(work, back, look, end, clip);
    sunkenBorder(work, clip);
}

void prepare(QImage &work, QSize size)
{
    if (work.size() != size || work.format() != QImage::Format_RGB32)
        work = QImage(size, QImage::Format_RGB32);
    if (work.devicePixelRatio() != 1.0)
        work.setDevicePixelRatio(1.0);
}

void drawCaption(QImage &work, const GaugeLook &look, const BarState &state, CaptionSprite &caption,
                 qreal ratio, QRect clip)
{
    const QPoint at =
        captionPosition(look, state.alignment, caption.textWidth(), caption.textHeight());
    const QPoint deviceAt(qRound(at.x() * ratio), qRound(at.y() * ratio));
    const bool vertical = look.direction != 0;
    if (state.invertText) {
        // The mask image of the inverted caption starts inside the border.
        const QPoint inside = QPoint(1, 1) * qRound(ratio);
        caption.invert(work, deviceAt, vertical, clip & QRect(inside, work.rect().bottomRight()));
    } else {
        caption.stamp(work, deviceAt, vertical, toRgb(state.foreColor), clip);
    }
}

} // namespace

void DrawBar(QImage &work, const QImage &gradient, const GaugeLook &look, const BarState &state,
             CaptionSprite &caption, qreal ratio)
{
    if (look.width <= 0 || look.height <= 0) {
        work = QImage();
        return;
    }
    const QSize size(look.width, look.height);
    if (ratio == 1.0) {
        prepare(work, size);
        drawBody(work, gradient, look, state, work.rect());
    } else {
        // Each control pixel becomes a block of device pixels; only the caption gains detail.
        QImage body;
        prepare(body, size);
        drawBody(body, gradient, look, state, body.rect());
        const QSize device(qCeil(look.width * ratio), qCeil(look.height * ratio));
        work = body.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        work.setDevicePixelRatio(ratio);
    }
    drawCaption(work, look, state, caption, ratio, work.rect());
}

namespace
{

// Redraws only the pixels of work inside clip, exactly as DrawBar at a device pixel ratio of 1
// would draw them, provided every other pixel already shows this state's picture.
void drawBarPart(QImage &work, const QImage &gradient, const GaugeLook &look, const BarState &state,
                 CaptionSprite &caption, QRect clip)
{
    clip &= work.rect();
    if (clip.isEmpty())
        return;
    drawBody(work, gradient, look, state, clip);
    drawCaption(work, look, state, caption, 1.0, clip);
}

} // namespace

void DrawBarExtremes(BarExtremes &extremes, const QImage &gradient, const GaugeLook &look,
                     const BarState &state, CaptionSprite &caption)
{
    // No cut edge: the cut column is drawn apart, over whichever picture lies beneath.
    GaugeLook uncut = look;
    uncut.fillMode = 0;
    BarState at = state;
    at.minValue = 0;
    at.maxValue = 1;
    at.value = 0;
    DrawBar(extremes.empty, gradient, uncut, at, caption);
    at.value = 1;
    DrawBar(extremes.full, gradient, uncut, at, caption);
}

namespace
{

void copyPixels(QImage &work, const QImage &from, QRect rect)
{
    rect &= work.rect() & from.rect();
    if (rect.isEmpty())
        return;
    QRgb *to = pixelAt(work, rect.left(), rect.top());
    const QRgb *source =
        reinterpret_cast<const QRgb *>(from.constBits() + rect.top() * from.bytesPerLine()) +
        rect.left();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        std::memcpy(to, source, std::size_t(rect.width()) * 4);
        to += work.bytesPerLine() / 4;
        source += from.bytesPerLine() / 4;
    }
}

} // namespace

void DrawBarChange(QImage &work, const BarExtremes &extremes, const QImage &gradient,
                   const GaugeLook &look, const BarState &state, CaptionSprite &caption, int from,
                   int to)
{
    const QRect span = barChange(look, from, to);
    if (span.isEmpty())
        return;
    // Within the bar's rows (columns), each pixel shows the bar or the back colour under the
    // caption; only the cut edge, read and drawn at the new end, differs from both.
    const int w = look.width, h = look.height;
    const QRect bar =
        look.direction == 0 ? QRect(2, 2, to, h - 4) : QRect(QPoint(2, to), QPoint(w - 3, h - 3));
    const QRect shown = span & bar;
    copyPixels(work, extremes.full, shown);
    copyPixels(work, extremes.empty,
               shown.isEmpty() ? span
               : look.direction == 0
                   ? QRect(QPoint(shown.right() + 1, span.top()), span.bottomRight())
                   : QRect(span.topLeft(), QPoint(span.right(), shown.top() - 1)));
    const QRect cut = look.direction == 0 ? QRect(to, 2, 2, h - 4) : QRect(2, to, w - 4, 2);
    drawBarPart(work, gradient, look, state, caption, cut);
}

} // namespace Velgauge
