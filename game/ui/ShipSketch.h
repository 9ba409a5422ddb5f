#pragma once

#include <QColor>

class QPainter;

namespace Sardek::ShipSketch
{

/// The parts of the game's sailing ships, drawn on a 100 x 100 grid (the hull's deck at about
/// 61, its keel at 78) that the caller scales to its target.
struct Colours {
    QColor hull, hullEdge, stripe; ///< the hull's planks, outline and painted stripe
    QColor wood;                   ///< masts and spars
    QColor sail, sailEdge;
};

void drawHull(QPainter &p, const Colours &colours);
void drawMast(QPainter &p, qreal x, qreal top, const Colours &colours);
/// A square sail hanging from its yard at x, bellied slightly to the right.
void drawSail(QPainter &p, qreal x, qreal top, qreal bottom, qreal halfWidth,
              const Colours &colours);

} // namespace Sardek::ShipSketch
