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

// An inverted rectangle (bottom above top, as on controls of 3 pixels or less across the
// bar) must stay empty: QRect's intersection would flip it into a real one.
void copyBlock(QImage &work, const QImage &gradient, QRect source, QPoint target)
{
    if (source.isEmpty())
        return;
    const QPoint offset = target - source.topLeft();
    source &= gradient.rect();
    source &= work.rect().translated(-offset);
    if (source.isEmpty())
        return;
    for (int y = source.top(); y <= source.bottom(); ++y)
        std::memcpy(work.scanLine(y + offset.y()) + 4 * (source.left() + offset.x()),
                    gradient.constScanLine(y) + 4 * source.left(), std::size_t(source.width()) * 4);
}

void paintRect(QImage &image, QRect rect, QRgb color)
{
    if (rect.isEmpty())
        return;
    rect &= image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + rect.left(), line + rect.right() + 1, color);
    }
}

bool shows(const QImage &image, QPoint point, QRgb color)
{
    return !image.rect().contains(point) || image.pixel(point) == color;
}

// A bar whose end falls inside a block gets a bevel at the cut: the last column darker, or
// on a vertical bar the top row lighter.
void cutEdge(QImage &work, QRgb back, const GaugeLook &look, int end)
{
    const int w = look.width, h = look.height;
    if (look.direction == 0) {
        const QPoint last(end + 1, h / 2);
        if (shows(work, QPoint(end, h / 2), back) || shows(work, last, back))
            return;
        paintRect(work, QRect(QPoint(end + 1, 2), QPoint(end + 1, h - 3)),
                  shiftedRgb(work.pixel(last), -100));
    } else {
        const QPoint top(2 + (w - 5) / 2, end);
        if (shows(work, top, back) || shows(work, top + QPoint(0, 1), back))
            return;
        paintRect(work, QRect(QPoint(2, end), QPoint(w - 4, end)),
                  shiftedRgb(work.pixel(top), 100));
    }
}

void sunkenBorder(QImage &work)
{
    const QRgb shadow = toRgb(SystemColorFlag | COLOR_BTNSHADOW);
    const QRgb light = toRgb(SystemColorFlag | COLOR_BTNHIGHLIGHT);
    const int w = work.width(), h = work.height();
    paintRect(work, QRect(0, 0, w, 1), shadow);
    paintRect(work, QRect(0, 0, 1, h), shadow);
    paintRect(work, QRect(0, h - 1, w, 1), light);
    paintRect(work, QRect(w - 1, 0, 1, h), light);
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

namespace
{

// Background, the revealed part of the pre-rendered bar, the cut edge and the border, one
// image pixel per control pixel.
void drawBody(QImage &work, const QImage &gradient, const GaugeLook &look, const BarState &state)
{
    if (work.size() != QSize(look.width, look.height) || work.format() != QImage::Format_RGB32)
        work = QImage(look.width, look.height, QImage::Format_RGB32);
    if (work.devicePixelRatio() != 1.0)
        work.setDevicePixelRatio(1.0);
    const QRgb back = toRgb(look.backColor);
    work.fill(back);

    const int w = look.width, h = look.height;
    const double percent = fillPercent(state.value, state.minValue, state.maxValue);
    int end = 0;
    if (look.direction == 0) {
        end = qBound(0, roundHalfEven(percent * (w - 5) / 100.0), qMax(0, w - 5));
        copyBlock(work, gradient, QRect(0, 0, end, h - 4), QPoint(2, 2));
    } else {
        end = qBound(2, roundHalfEven((h - 4) - (h - 4) * percent / 100.0 + 2), qMax(2, h - 2));
        copyBlock(work, gradient, QRect(QPoint(0, end), QPoint(w - 5, h - 3)), QPoint(2, end));
    }
    if (look.fillMode == 2)
        cutEdge(work, back, look, end);
    sunkenBorder(work);
}

} // namespace

void DrawBar(QImage &work, const QImage &gradient, const GaugeLook &look, const BarState &state,
             CaptionSprite &caption, qreal ratio)
{
    if (look.width <= 0 || look.height <= 0) {
        work = QImage();
        return;
    }
    if (ratio == 1.0) {
        drawBody(work, gradient, look, state);
    } else {
        // Each control pixel becomes a block of device pixels; only the caption gains detail.
        QImage body;
        drawBody(body, gradient, look, state);
        const QSize device(qCeil(look.width * ratio), qCeil(look.height * ratio));
        work = body.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        work.setDevicePixelRatio(ratio);
    }

    const QPoint at =
        captionPosition(look, state.alignment, caption.textWidth(), caption.textHeight());
    const QPoint deviceAt(qRound(at.x() * ratio), qRound(at.y() * ratio));
    const bool vertical = look.direction != 0;
    if (state.invertText)
        caption.invert(work, deviceAt, vertical, QPoint(1, 1) * qRound(ratio));
    else
        caption.stamp(work, deviceAt, vertical, toRgb(state.foreColor));
}

} // namespace Velgauge
