#pragma once

#include <QPoint>

class QWidget;

namespace Sardek
{

/// Twips per inch: the unit of the game's dialog offsets.
inline constexpr int TwipsPerInch = 1440;

/// twips in pixels at dpi dots per inch, rounded to the nearest pixel.
int twipsToPixels(int twips, int dpi);

/// Places dialog with its top-left corner at (x, y) twips right of and below owner's
/// top-left corner, converted with owner's logical DPI so the layout holds on any screen.
void placeAtTwips(QWidget &dialog, const QWidget &owner, int xTwips, int yTwips);

/// Sizes dialog to its contents and centres it over owner's window.
void centreOver(QWidget &dialog, const QWidget &owner);

} // namespace Sardek
