#pragma once

#include "GaugeLook.h"
#include <QImage>

namespace Velgauge
{

class CaptionSprite;

// What a picture shows beyond the pre-rendered bar.
struct BarState {
    double value = 50;
    double minValue = 0;
    double maxValue = 100;
    qint32 alignment = 2;
    quint32 foreColor = 0;
    bool invertText = false;
};

// Composes the visible picture into work: the back colour, the revealed part of gradient, the
// cut edge of a bevelled block, the sunken border and the caption, whose sprite renders the
// glyphs that land on the picture when they change. For a device pixel ratio above 1 the
// picture has device pixels (and that ratio): everything keeps the control's pixel geometry,
// each pixel a block, but the caption is drawn at device resolution.
void DrawBar(QImage &work, const QImage &gradient, const GaugeLook &look, const BarState &state,
             CaptionSprite &caption, qreal ratio = 1.0);

// The pictures of a state with the bar shown nowhere and everywhere, caption included, cut
// edges left out: every picture of that state but for its value is made of these two, and a
// cut edge.
struct BarExtremes {
    QImage empty;
    QImage full;
};
void DrawBarExtremes(BarExtremes &extremes, const QImage &gradient, const GaugeLook &look,
                     const BarState &state, CaptionSprite &caption);

// Turns work from the picture of a bar ending at from (barEnd) into that of the same state
// ending at to, from the extremes of this state, touching only the pixels between both ends.
void DrawBarChange(QImage &work, const BarExtremes &extremes, const QImage &gradient,
                   const GaugeLook &look, const BarState &state, CaptionSprite &caption, int from,
                   int to);

// Where the bar ends: horizontally the number of columns it covers, vertically its top row.
int barEnd(const GaugeLook &look, const BarState &state);

// The pixels that can differ between two pictures alike but for a bar ending at from or at
// to (barEnd); empty when the ends are the same.
QRect barChange(const GaugeLook &look, int from, int to);

// Percentage of the range that value fills, 0 … 100. An empty range, a reversed one, or
// values that are not finite give a sound answer rather than a division by zero.
double fillPercent(double value, double minValue, double maxValue);

// Where the caption's text cell starts, for a text tw × th pixels on a W × H control. Along
// the bar, Alignment values other than the three members put it at the bar's start: x = 0
// on a horizontal control, y = H (the bottom edge) on a vertical one.
QPoint captionPosition(const GaugeLook &look, qint32 alignment, int tw, int th);

} // namespace Velgauge
