#include "info/AppIcon.h"

#include "info/ShipPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Sardek
{

void paintAppIcon(QPainter &painter, const QRectF &target)
{
    // A rim of about a sixteenth keeps the frame visible at 16 pixels, where it is one pixel.
    const qreal rim = std::max(1.0, target.width() / 16.0);
    const qreal radius = target.width() / 5.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(target, radius, radius);
    painter.fillPath(frame, QColor(150, 105, 25));
    const QRectF inner = target.adjusted(rim, rim, -rim, -rim);
    QPainterPath window;
    window.addRoundedRect(inner, radius - rim, radius - rim);
    painter.setClipPath(window);
    ShipPicture::paint(painter, inner);
    painter.restore();
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : AppIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintAppIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace Sardek
