#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace Sardek
{

/**
 * The picture box of the battle window: black, holding the 48 pirate images in four
 * staggered rows of twelve (row r holds images 12r to 12r + 11, at 120 + 600r twips from the
 * top, 480 twips apart from 120 twips in rows 0 and 2 and from 360 twips in rows 1 and 3).
 * Every image starts hidden. Positions are twips, converted with the screen's DPI.
 */
class PirateFleet : public QWidget
{
    Q_OBJECT

  public:
    static constexpr int Ships = 48;

    explicit PirateFleet(QWidget *parent = nullptr);

    /// Image index afloat (shown at its full place and height) or gone.
    void showShip(int index, bool afloat);
    /// Frame 1 to 48 of image index going down: its top 10 twips lower per frame, its
    /// height as much less, so the ship slips under its fixed bottom edge.
    void showSinkingFrame(int index, int frame);
    /// Red while a shot hits the player, black otherwise.
    void showHit(bool hit);

    /// The images, named imgPirate, in index order.
    const std::array<QLabel *, Ships> &images() const { return imgPirate; }

  private:
    /// Image index's place at frame 0 to 48 of its sinking, in pixels.
    QRect placeOf(int index, int frame) const;
    int px(int twips) const;

    std::array<QLabel *, Ships> imgPirate{};
};

} // namespace Sardek
