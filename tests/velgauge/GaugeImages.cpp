#include "GaugeImages.h"

#include "ProgressBar_p.h"

#include <QPainter>

namespace Velgauge
{

int ProgressBarInspector::gradientRebuilds(const ProgressBar &bar)
{
    return bar.d->gradientRebuilds;
}

int ProgressBarInspector::captionPixels(const ProgressBar &bar)
{
    return bar.d->sprite.renderedPixels();
}

} // namespace Velgauge

namespace GaugeImages
{

QImage render(const Velgauge::ProgressBar &bar, qreal ratio)
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

void makePlain(Velgauge::ProgressBar &bar, int width, int height)
{
    bar.resize(width, height);
    bar.setCaption(QString());
    bar.setBackColor(White);
    bar.setFillColor(Red);
    bar.setGradientFill(false);
}

Velgauge::GaugeLook plainLook(int width, int height, int direction, int fillMode)
{
    Velgauge::GaugeLook look;
    look.width = width;
    look.height = height;
    look.direction = direction;
    look.fillMode = fillMode;
    look.backColor = White;
    look.fillColor = Red;
    look.fillColorGradient = Green;
    look.gradientFill = false;
    look.systemColors = 16777216;
    return look;
}

} // namespace GaugeImages
