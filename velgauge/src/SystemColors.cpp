#include "SystemColors.h"

#include <array>
#include <cmath>
#include <limits>

namespace Velgauge
{

namespace
{

// The classic desktop scheme's colours, by system colour index, as 0x00BBGGRR.
constexpr std::array<quint32, 31> ClassicScheme = {
    0xC8D0D4, // 0 scroll bar
    0xA56E3A, // 1 desktop
    0x6A240A, // 2 active caption
    0x808080, // 3 inactive caption
    0xC8D0D4, // 4 menu
    0xFFFFFF, // 5 window
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 caption text
    0xC8D0D4, // 10 active border
    0xC8D0D4, // 11 inactive border
    0x808080, // 12 application workspace
    0x6A240A, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xC8D0D4, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 grey text
    0x000000, // 18 button text
    0xC8D0D4, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x404040, // 21 3D dark shadow
    0xC8D0D4, // 22 3D light
    0x000000, // 23 tooltip text
    0xE1FFFF, // 24 tooltip background
    0xB5B5B5, // 25 button alternate face
    0x800000, // 26 hot-tracked item
    0xF0CAA6, // 27 active caption gradient
    0xC0C0C0, // 28 inactive caption gradient
    0x6A240A, // 29 menu highlight
    0xC8D0D4, // 30 menu bar
};

} // namespace

quint32 systemColor(int index)
{
    if (index < 0 || index >= int(ClassicScheme.size()))
        return 0;
    return ClassicScheme[std::size_t(index)];
}

quint32 TranslateVBColor(quint32 color)
{
    return (color & SystemColorFlag) ? systemColor(int(color & ~SystemColorFlag)) : color;
}

QRgb toRgb(quint32 color)
{
    const quint32 c = TranslateVBColor(color);
    return qRgb(GetRedValue(c), GetGreenValue(c), GetBlueValue(c));
}

quint32 fromRgb(QRgb pixel)
{
    return makeColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

QRgb shiftedRgb(QRgb pixel, int delta)
{
    auto shift = [delta](int component) { return qBound(0, component + delta, 255); };
    return qRgb(shift(qRed(pixel)), shift(qGreen(pixel)), shift(qBlue(pixel)));
}

qint32 colorCount(int planes, int bitsPerPixel)
{
    const double count = std::pow(2.0 * planes, qMin(bitsPerPixel, 24));
    // An exotic display (several planes of deep colour) would not fit: report the most a
    // 32-bit count can say rather than wrap around.
    if (!(count < double(std::numeric_limits<qint32>::max())))
        return std::numeric_limits<qint32>::max();
    return count > 0 ? qint32(count) : 0;
}

} // namespace Velgauge
