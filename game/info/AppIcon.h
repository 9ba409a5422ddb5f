#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace Sardek
{

/// The application icon: the About window's ship in a rounded, gold-rimmed frame, drawn to
/// fill target (square targets look best).
void paintAppIcon(QPainter &painter, const QRectF &target);

/// The icon as drawn pixmaps of 16 to 256 pixels, for the main window and the desktop.
QIcon appIcon();

/// The pixel sizes the icon is drawn at for the desktop's icon theme.
inline constexpr int AppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace Sardek
