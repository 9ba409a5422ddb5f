#include "info/ShipPicture.h"

#include "ui/ShipSketch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace Sardek
{

namespace
{

using namespace ShipSketch;

// The drawing is made on a 100 x 100 grid and scaled to the target.
constexpr qreal Grid = 100.0;
constexpr qreal Waterline = 74.0;

void drawWaves(QPainter &p, qreal top)
{
    QPainterPath waves;
    waves.moveTo(0, top);
    for (qreal x = 0; x < Grid; x += 10)
        waves.quadTo(x + 5, top - 3, x + 10, top);
    p.setPen(QPen(QColor(210, 230, 250), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(waves);
}

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, Waterline);
    sky.setColorAt(0, QColor(120, 170, 225));
    sky.setColorAt(1, QColor(215, 232, 248));
    p.fillRect(QRectF(0, 0, Grid, Waterline), sky);
}

// Drawn over the hull so that the ship sits in the water rather than on it.
void drawSea(QPainter &p)
{
    p.fillRect(QRectF(0, Waterline, Grid, Grid - Waterline), QColor(25, 70, 140));
    drawWaves(p, Waterline + 6);
    drawWaves(p, Waterline + 16);
}

// The About window's merchantman: brown planks, pale canvas.
const ShipSketch::Colours Merchantman{QColor(125, 70, 30),   QColor(60, 30, 10),
                                      QColor(230, 200, 120), QColor(70, 40, 15),
                                      QColor(250, 245, 228), QColor(120, 110, 90)};

void drawRigging(QPainter &p)
{
    constexpr qreal MainMast = 50.0;
    for (const qreal x : {24.0, MainMast, 76.0}) {
        const bool main = x == MainMast;
        const qreal top = main ? 12.0 : 20.0;
        drawMast(p, x, top - 4, Merchantman);
        drawSail(p, x, top, top + 17, main ? 11.0 : 9.0, Merchantman);
        drawSail(p, x, top + 20, 56, main ? 13.0 : 11.0, Merchantman);
    }
    p.setPen(QPen(QColor(70, 40, 15), 1.0));
    p.drawLine(QPointF(92, 60), QPointF(98, 52)); // bowsprit
    p.drawLine(QPointF(98, 52), QPointF(76, 16)); // forestay
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF{{MainMast, 8}, {MainMast + 10, 10}, {MainMast, 12}}); // pennant
}

} // namespace

ShipPicture::ShipPicture(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ShipPicture::sizeHint() const
{
    return {64, 64};
}

void ShipPicture::paint(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(target.width() / Grid, target.height() / Grid);
    drawSky(painter);
    drawHull(painter, Merchantman);
    drawRigging(painter);
    drawSea(painter);
    painter.restore();
}

void ShipPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect());
}

} // namespace Sardek
