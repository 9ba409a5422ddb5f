#pragma once

#include <QWidget>

class QPainter;

namespace Sardek
{

/// The About window's picture: a three-masted sailing ship on a choppy sea, drawn to any size.
class ShipPicture : public QWidget
{
    Q_OBJECT

  public:
    explicit ShipPicture(QWidget *parent = nullptr);

    /// 64 x 64 pixels.
    QSize sizeHint() const override;

    /// Draws the picture to fill target; the painter's state is left as it was.
    static void paint(QPainter &painter, const QRectF &target);

  protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Sardek
