#include "ui/CaptionFrame.h"

#include <QEvent>
#include <QPainter>

namespace Sardek
{

namespace
{

constexpr int Inset = 8; // between the etched edge and the contents

} // namespace

CaptionFrame::CaptionFrame(const QString &title, QWidget *parent) : QWidget(parent), m_title(title)
{
    updateMargins();
}

void CaptionFrame::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    update(0, 0, width(), fontMetrics().height());
}

void CaptionFrame::updateMargins()
{
    setContentsMargins(Inset, fontMetrics().height() + Inset / 2, Inset, Inset);
}

void CaptionFrame::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateMargins();
}

// Plain fills only: the painter's fastest path, for a frame redrawn at every update.
void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    const int right = width() - 2, bottom = height() - 2;
    // An etched line: the shadow, with a highlight one pixel down and right.
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    painter.fillRect(1, top + 1, right, 1, light);
    painter.fillRect(1, top + 1, 1, bottom - top, light);
    painter.fillRect(1, bottom + 1, right, 1, light);
    painter.fillRect(right + 1, top + 1, 1, bottom - top + 1, light);
    painter.fillRect(0, top, right, 1, dark);
    painter.fillRect(0, top, 1, bottom - top, dark);
    painter.fillRect(0, bottom, right, 1, dark);
    painter.fillRect(right, top, 1, bottom - top + 1, dark);

    const QRect caption(Inset - 2, 0, metrics.horizontalAdvance(m_title) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption.left() + 2, metrics.ascent(), m_title);
}

} // namespace Sardek
