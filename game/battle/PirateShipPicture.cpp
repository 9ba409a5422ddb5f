#include "battle/PirateShipPicture.h"

#include "ui/ShipSketch.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QPolygonF>

namespace Sardek::PirateShipPicture
{

namespace
{

// The part of the sketch's 100 x 100 grid the ship stands in: no sky and no sea around it.
const QRectF Drawn(4, 2, 92, 80);

// Tarred planks with a red stripe, weathered canvas: bright enough to stand out on black.
const ShipSketch::Colours Pirate{QColor(70, 45, 30),   QColor(170, 120, 70),  QColor(190, 40, 30),
                                 QColor(150, 110, 70), QColor(185, 175, 150), QColor(90, 80, 65)};

void drawFlag(QPainter &p, qreal mast, qreal top)
{
    p.setPen(QPen(QColor(230, 230, 230), 1.2));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(mast, top, 18, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QPointF(mast + 9, top + 5), 3, 3); // skull
    p.drawRect(QRectF(mast + 7, top + 7, 4, 3));     // jaw
}

void drawPirate(QPainter &p)
{
    constexpr qreal MainMast = 60.0, Foremast = 32.0;
    ShipSketch::drawMast(p, Foremast, 14, Pirate);
    ShipSketch::drawMast(p, MainMast, 4, Pirate);
    ShipSketch::drawSail(p, Foremast, 18, 34, 12, Pirate);
    ShipSketch::drawSail(p, Foremast, 37, 56, 15, Pirate);
    ShipSketch::drawSail(p, MainMast, 18, 34, 13, Pirate);
    ShipSketch::drawSail(p, MainMast, 37, 56, 17, Pirate);
    // A patch on the main course.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 120, 95));
    p.drawRect(QRectF(MainMast + 3, 42, 7, 6));
    drawFlag(p, MainMast, 4);
    ShipSketch::drawHull(p, Pirate);
    p.setPen(QPen(Pirate.wood, 1.5));
    p.drawLine(QPointF(92, 60), QPointF(99, 50)); // bowsprit
}

} // namespace

void paint(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(target.width() / Drawn.width(), target.height() / Drawn.height());
    painter.translate(-Drawn.topLeft());
    drawPirate(painter);
    painter.restore();
}

QPixmap icon(int dpi, qreal pixelRatio)
{
    const int side = twipsToPixels(480, dpi);
    QPixmap pixmap(qRound(side * pixelRatio), qRound(side * pixelRatio));
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRectF(0, 0, side, side));
    return pixmap;
}

} // namespace Sardek::PirateShipPicture
