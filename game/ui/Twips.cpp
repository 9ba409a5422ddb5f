#include "ui/Twips.h"

#include <QWidget>
#include <cmath>

namespace Sardek
{

int twipsToPixels(int twips, int dpi)
{
    return int(std::lround(double(twips) * dpi / TwipsPerInch));
}

void placeAtTwips(QWidget &dialog, const QWidget &owner, int xTwips, int yTwips)
{
    const QPoint corner = owner.frameGeometry().topLeft();
    dialog.move(corner + QPoint(twipsToPixels(xTwips, owner.logicalDpiX()),
                                twipsToPixels(yTwips, owner.logicalDpiY())));
}

void centreOver(QWidget &dialog, const QWidget &owner)
{
    dialog.adjustSize();
    // Client areas are matched: a window's frame is not known until it is shown, and the two
    // frames are alike, so the frames end up centred too.
    QRect placed(QPoint(), dialog.size());
    placed.moveCenter(owner.window()->geometry().center());
    dialog.setGeometry(placed);
}

} // namespace Sardek
