#pragma once

#include <QtGlobal>

namespace Velgauge
{

// Everything that decides the pre-rendered bar. A change in any field means a new gradient
// image; the value, range and caption are not here because they never do.
struct GaugeLook {
    int width = 0;
    int height = 0;
    qint32 direction = 0;  // 0 horizontal, anything else vertical
    qint32 fillMode = 0;   // 1 flat blocks, 2 bevelled ones; above 0 the bar area is 4 px less
    quint32 backColor = 0; // colours as stored: literal 0x00BBGGRR or system 0x80000000 + n
    quint32 fillColor = 0;
    quint32 fillColorGradient = 0;
    bool gradientFill = true;
    qint32 systemColors = 0;

    bool operator==(const GaugeLook &) const = default;
};

} // namespace Velgauge
