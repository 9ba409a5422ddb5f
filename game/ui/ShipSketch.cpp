#include "ui/ShipSketch.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace Sardek::ShipSketch
{

void drawHull(QPainter &p, const Colours &colours)
{
    const QPolygonF hull{{8, 62}, {92, 60}, {84, 78}, {18, 78}};
    p.setPen(QPen(colours.hullEdge, 1.5));
    p.setBrush(colours.hull);
    p.drawPolygon(hull);
    p.setPen(QPen(colours.stripe, 1.5));
    p.drawLine(QPointF(14, 67), QPointF(88, 65));
}

void drawMast(QPainter &p, qreal x, qreal top, const Colours &colours)
{
    p.setPen(QPen(colours.wood, 2.0));
    p.drawLine(QPointF(x, 62), QPointF(x, top));
}

void drawSail(QPainter &p, qreal x, qreal top, qreal bottom, qreal halfWidth,
              const Colours &colours)
{
    QPainterPath sail;
    sail.moveTo(x - halfWidth, top);
    sail.lineTo(x + halfWidth, top);
    sail.quadTo(x + halfWidth + 4, (top + bottom) / 2, x + halfWidth, bottom);
    sail.lineTo(x - halfWidth, bottom);
    sail.quadTo(x - halfWidth + 3, (top + bottom) / 2, x - halfWidth, top);
    p.setPen(QPen(colours.sailEdge, 1.0));
    p.setBrush(colours.sail);
    p.drawPath(sail);
}

} // namespace Sardek::ShipSketch
