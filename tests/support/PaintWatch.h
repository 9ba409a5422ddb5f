#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

namespace Sardek::Testing
{

/// Installed as an event filter on a widget, collects the regions it is repainted in.
struct PaintWatch : QObject {
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace Sardek::Testing
