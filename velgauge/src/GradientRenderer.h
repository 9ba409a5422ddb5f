#pragma once

#include "GaugeLook.h"
#include <QImage>

namespace Velgauge
{

enum class FillDirection { TopToBottom = 0, LeftToRight = 1 };
enum class FillStyle { Normal = 0, Mirrored = 1 };

// The bar at full length for this look, width × height, 32-bit RGB: a gradient from
// FillColor to FillColorGradient along the bar where the display allows it, else plain
// FillColor, cut into blocks in the two block modes. With FillMode above 0 the bar area
// leaves out the last 4 rows and columns, which hold the back colour. A look without area
// gives a null image.
QImage RebuildGradient(const GaugeLook &look);

// Renders bands of colour from c1 to c2 (literal colours) into target's top-left area: the
// whole image, or 4 pixels less each way when FillMode is above 0; then, for fm2DBlocks and
// fm3DBlocks only, cuts the blocks.
void GradientFill(QImage &target, const GaugeLook &look, quint32 c1, quint32 c2,
                  FillDirection direction, FillStyle style);

// Block length for a bar thickness: two thirds of it, rounded half to even.
int blockLength(int thickness);

} // namespace Velgauge
