#pragma once

#include <Velgauge/ProgressBar.h>

#include "BarComposer.h"
#include "CaptionSprite.h"
#include "GaugeLook.h"

#include <QImage>

namespace Velgauge
{

// Hidden from the shared library's symbol table although nested in an exported class.
class VELGAUGE_NO_EXPORT ProgressBar::Private
{
  public:
    explicit Private(ProgressBar *owner);

    // The picture for the control's current size and properties on a device of this pixel
    // ratio; the bar is re-rendered first only if its look changed since the last picture.
    const QImage &compose(qreal ratio);

    // Stores value in field; true when that changed anything.
    template <typename T> bool assign(T &field, const T &value)
    {
        if (field == value)
            return false;
        field = value;
        return true;
    }
    // Schedules a repaint and tells the host a stored property changed.
    void changed();
    // The same after a change of value or range, repainting only the part of the bar between
    // its end before the change and its end now.
    void rangeChanged(int endBefore);
    // The look at the control's current size, and where the bar ends in it (barEnd).
    GaugeLook currentLook() const;
    int currentEnd() const;
    // Stores value in field, and repaints and notifies if that changed anything.
    template <typename T> void set(T &field, const T &value)
    {
        if (assign(field, value))
            changed();
    }

    // Notifies when the widget's font, which is the caption font, really changed.
    void fontChanged();

    ProgressBar *const q;
    GaugeLook look;
    BarState state;
    QString caption;
    QFont notifiedFont;                  // the font as of the last notification
    bool reading = false;                // loading stored properties, which notifies nobody
    double announcedValue = state.value; // the value assistive technology last heard, if any

    QImage gradient;
    GaugeLook gradientLook;
    int gradientRebuilds = 0;
    QImage work;
    CaptionSprite sprite;
    // What work shows, so that a picture differing only in the bar's end is redrawn in part.
    bool composedValid = false;
    BarState composedState;
    int composedEnd = 0;
    BarExtremes extremes; // of composedState, drawn at the first change of value after it
    bool extremesValid = false;

  private:
    void notify();
};

} // namespace Velgauge
