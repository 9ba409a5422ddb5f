#pragma once

#include "GaugeLook.h"
#include "ProgressBar_p.h"

#include <Velgauge/ProgressBar.h>

#include <QImage>
#include <QPainter>

namespace Velgauge
{

// Reaches into a gauge for what only tests need to see.
struct ProgressBarInspector {
    static int gradientRebuilds(const ProgressBar &bar) { return bar.d->gradientRebuilds; }
    // Pixels of the caption's rendered glyph mask, which each picture walks.
    static int captionPixels(const ProgressBar &bar) { return bar.d->sprite.renderedPixels(); }
};

} // namespace Velgauge

namespace GaugeImages
{

inline constexpr quint32 Red = 0x0000FF;
inline constexpr quint32 Green = 0x00FF00;
inline constexpr quint32 White = 0xFFFFFF;
inline constexpr QRgb RedPixel = 0xFFFF0000;
inline constexpr QRgb WhitePixel = 0xFFFFFFFF;

// The picture a gauge paints, as a 32-bit image of its size on a device of this pixel ratio.
inline QImage render(const Velgauge::ProgressBar &bar, qreal ratio = 1.0)
{
    if (bar.size().isEmpty())
        return {};
    QImage image(bar.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    bar.paint(painter);
    return image;
}

// A plain red bar on white, no caption, 0 … 100: easy to read pixel by pixel.
inline void makePlain(Velgauge::ProgressBar &bar, int width, int height)
{
    bar.resize(width, height);
    bar.setCaption(QString());
    bar.setBackColor(White);
    bar.setFillColor(Red);
    bar.setGradientFill(false);
}

// The look of a red bar on white, gradient off, on a true-colour display.
inline Velgauge::GaugeLook plainLook(int width, int height, int direction, int fillMode)
{
    return {width, height, direction, fillMode, White, Red, Green, false, 16777216};
}

} // namespace GaugeImages
