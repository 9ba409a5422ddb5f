#include "battle/PirateFleet.h"

#include "battle/PirateShipPicture.h"
#include "ui/Twips.h"

#include <QLabel>

namespace Sardek
{

namespace
{

constexpr int ShipsPerRow = 12;
constexpr int ShipTwips = 480;
constexpr int RowPitch = 600, FirstRowTop = 120;
constexpr int EvenRowLeft = 120, OddRowLeft = 360;
constexpr int SinkStep = 10;

void paintBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

} // namespace

PirateFleet::PirateFleet(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picShips"));
    setAutoFillBackground(true);
    paintBackground(*this, Qt::black);
    const QPixmap ship = PirateShipPicture::icon(logicalDpiY(), devicePixelRatioF());
    for (int index = 0; index < Ships; ++index) {
        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("imgPirate"));
        image->setPixmap(ship);
        // Cut at the bottom as it shrinks: the hull goes under first.
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setGeometry(placeOf(index, 0));
        image->hide();
        imgPirate[std::size_t(index)] = image;
    }
}

int PirateFleet::px(int twips) const
{
    return twipsToPixels(twips, logicalDpiY());
}

QRect PirateFleet::placeOf(int index, int frame) const
{
    const int row = index / ShipsPerRow;
    const int left = (row % 2 ? OddRowLeft : EvenRowLeft) + ShipTwips * (index % ShipsPerRow);
    const int top = FirstRowTop + RowPitch * row;
    const int topNow = px(top + SinkStep * frame);
    return {px(left), topNow, px(ShipTwips), px(top + ShipTwips) - topNow};
}

void PirateFleet::showShip(int index, bool afloat)
{
    if (index < 0 || index >= Ships)
        return;
    QLabel *image = imgPirate[std::size_t(index)];
    image->setGeometry(placeOf(index, 0));
    image->setVisible(afloat);
}

void PirateFleet::showSinkingFrame(int index, int frame)
{
    if (index >= 0 && index < Ships)
        imgPirate[std::size_t(index)]->setGeometry(placeOf(index, frame));
}

void PirateFleet::showHit(bool hit)
{
    paintBackground(*this, hit ? Qt::red : Qt::black);
}

} // namespace Sardek
