#pragma once

#include "GaugeLook.h"

#include <Velgauge/ProgressBar.h>

#include <QImage>
#include <QRgb>

namespace Velgauge
{

// Reaches into a gauge for what only tests need to see.
struct ProgressBarInspector {
    static int gradientRebuilds(const ProgressBar &bar);
    // Pixels of the caption's rendered glyph mask, which each picture walks.
    static int captionPixels(const ProgressBar &bar);
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
QImage render(const Velgauge::ProgressBar &bar, qreal ratio = 1.0);

// A plain red bar on white, no caption, 0 … 100: easy to read pixel by pixel.
void makePlain(Velgauge::ProgressBar &bar, int width, int height);

// The look of a red bar on white, gradient off, on a true-colour display.
Velgauge::GaugeLook plainLook(int width, int height, int direction, int fillMode);

} // namespace GaugeImages
