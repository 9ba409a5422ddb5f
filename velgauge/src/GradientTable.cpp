#include "GradientTable.h"

#include <cmath>

namespace Velgauge
{

namespace
{

struct Components {
    double red, green, blue;
};

// Green and blue are divided by 255 and 65,280 rather than shifted down, which scales them
// by 256/255; the look of every gradient depends on it.
Components scaledComponents(quint32 color)
{
    return {double(color & 0xFF), double(color & 0xFF00) / 255.0,
            double(color & 0xFF0000) / 65280.0};
}

int roundedComponent(double value)
{
    return int(std::nearbyint(qBound(0.0, value, 255.0)));
}

QRgb toPixel(const Components &c)
{
    return qRgb(roundedComponent(c.red), roundedComponent(c.green), roundedComponent(c.blue));
}

} // namespace

std::vector<QRgb> BuildGradientTable(int n, quint32 c1, quint32 c2)
{
    const Components end = scaledComponents(c2);
    if (n < 1)
        return {toPixel(end)};

    Components now = scaledComponents(c1);
    const Components step{(end.red - now.red) / n, (end.green - now.green) / n,
                          (end.blue - now.blue) / n};
    std::vector<QRgb> table;
    table.reserve(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k) {
        now.red += step.red;
        now.green += step.green;
        now.blue += step.blue;
        table.push_back(toPixel(now));
    }
    return table;
}

} // namespace Velgauge
