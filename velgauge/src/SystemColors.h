#pragma once

#include <QRgb>
#include <QtGlobal>

namespace Velgauge
{

// Colours are 0x00BBGGRR; 0x80000000 + n names classic desktop colour n. The table of system
// colours is fixed so that pictures are the same on every machine.
quint32 TranslateVBColor(quint32 color);
inline int GetRedValue(quint32 color)
{
    return int(color & 0xFF);
}
inline int GetGreenValue(quint32 color)
{
    return int((color / 0x100) & 0xFF);
}
inline int GetBlueValue(quint32 color)
{
    return int((color / 0x10000) & 0xFF);
}

inline quint32 makeColor(int red, int green, int blue)
{
    return quint32(red) | quint32(green) << 8 | quint32(blue) << 16;
}
// The literal colour, with system colours resolved, as a pixel of a 32-bit image.
QRgb toRgb(quint32 color);
quint32 fromRgb(QRgb pixel);

// Each component moved by delta and held within 0 … 255: the bevel highlight (+100) and
// shadow (−100) of a block.
QRgb shiftedRgb(QRgb pixel, int delta);

inline constexpr quint32 SystemColorFlag = 0x80000000u;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;

// The current literal colour of system colour index; 0 (black) for an unknown index.
quint32 systemColor(int index);

// Number of colours of a display: (2 × planes) ^ bits per pixel, bits capped at 24.
qint32 colorCount(int planes, int bitsPerPixel);

} // namespace Velgauge
