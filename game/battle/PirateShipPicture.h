#pragma once

#include <QPixmap>

class QPainter;
class QRectF;

namespace Sardek
{

/// The pirates' ship: a dark two-master under patched sails and a black flag, on a clear
/// ground so the battle's fleet shows it on black. Drawn in the About window's style.
namespace PirateShipPicture
{

/// Draws the ship to fill target; the painter's state is left as it was.
void paint(QPainter &painter, const QRectF &target);
/// The ship as an icon of 480 x 480 twips (32 x 32 pixels at 96 dpi) for a screen of dpi,
/// drawn in the finer pixels of a display with pixelRatio device pixels to a logical one.
QPixmap icon(int dpi, qreal pixelRatio = 1.0);

} // namespace PirateShipPicture

} // namespace Sardek
