#include <Velgauge/ProgressBar.h>

#include "GradientRenderer.h"
#include "ProgressBarAccessible.h"
#include "ProgressBar_p.h"
#include "SystemColors.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

namespace Velgauge
{

namespace
{

qint32 measureSystemColors(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Qt reports packed pixels: one colour plane.
    return colorCount(1, screen ? screen->depth() : 24);
}

} // namespace

ProgressBar::Private::Private(ProgressBar *owner) : q(owner), notifiedFont(owner->font())
{
    look.backColor = SystemColorFlag | COLOR_BTNFACE;
    look.fillColor = SystemColorFlag | COLOR_ACTIVECAPTION;
    look.fillColorGradient = systemColor(COLOR_GRADIENTACTIVECAPTION);
    look.systemColors = measureSystemColors(owner);
    state.foreColor = SystemColorFlag | COLOR_CAPTIONTEXT;
}

const QImage &ProgressBar::Private::compose(qreal ratio)
{
    look.width = q->width();
    look.height = q->height();
    // Only the part of the bar between its old and new end is redrawn when nothing but the
    // value or range changed since the last picture at the control's own resolution.
    bool whole = !composedValid || ratio != 1.0;
    if (gradientRebuilds == 0 || look != gradientLook) {
        gradient = RebuildGradient(look);
        gradientLook = look;
        ++gradientRebuilds;
        whole = true;
    }
    whole = sprite.update(caption, q->font(), q, state.invertText, ratio) || whole;
    whole = whole || state.alignment != composedState.alignment ||
            state.foreColor != composedState.foreColor ||
            state.invertText != composedState.invertText;
    const int end = barEnd(look, state);
    if (whole) {
        DrawBar(work, gradient, look, state, sprite, ratio);
        extremesValid = false;
    } else if (end != composedEnd) {
        if (!extremesValid)
            DrawBarExtremes(extremes, gradient, look, state, sprite);
        extremesValid = true;
        DrawBarChange(work, extremes, gradient, look, state, sprite, composedEnd, end);
    }
    composedValid = ratio == 1.0;
    composedState = state;
    composedEnd = end;
    return work;
}

GaugeLook ProgressBar::Private::currentLook() const
{
    GaugeLook now = look;
    now.width = q->width();
    now.height = q->height();
    return now;
}

int ProgressBar::Private::currentEnd() const
{
    return barEnd(currentLook(), state);
}

void ProgressBar::Private::changed()
{
    q->update();
    notify();
}

void ProgressBar::Private::rangeChanged(int endBefore)
{
    const GaugeLook now = currentLook();
    q->update(barChange(now, endBefore, barEnd(now, state)));
    notify();
}

void ProgressBar::Private::notify()
{
    // Only a listening assistive technology needs the event, which costs more to build than
    // the repaint of a value change.
    if (state.value != announcedValue && QAccessible::isActive()) {
        announcedValue = state.value;
        QAccessibleValueChangeEvent event(q, state.value);
        QAccessible::updateAccessibility(&event);
    }
    Q_EMIT q->propertyChanged();
}

void ProgressBar::Private::fontChanged()
{
    // Qt also reports a font set again with only its resolve mask changed; that is no change.
    if (q->font() == notifiedFont) {
        q->update();
        return;
    }
    notifiedFont = q->font();
    if (reading)
        q->update();
    else
        changed();
}

ProgressBar::ProgressBar(QWidget *parent) : QWidget(parent), d(std::make_unique<Private>(this))
{
    // Every pixel is ours: no need for Qt to clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool accessible = (QAccessible::installFactory(createProgressBarAccessible), true);
    Q_UNUSED(accessible);
}

ProgressBar::~ProgressBar() = default;

ProgressBar::Alignment ProgressBar::alignment() const
{
    return Alignment(d->state.alignment);
}
void ProgressBar::setAlignment(Alignment alignment)
{
    d->set(d->state.alignment, qint32(alignment));
}

quint32 ProgressBar::backColor() const
{
    return d->look.backColor;
}
void ProgressBar::setBackColor(quint32 color)
{
    d->set(d->look.backColor, color);
}

QString ProgressBar::caption() const
{
    return d->caption;
}
void ProgressBar::setCaption(const QString &caption)
{
    d->set(d->caption, caption);
}

ProgressBar::Direction ProgressBar::direction() const
{
    return Direction(d->look.direction);
}
void ProgressBar::setDirection(Direction direction)
{
    d->set(d->look.direction, qint32(direction));
}

quint32 ProgressBar::fillColor() const
{
    return d->look.fillColor;
}
void ProgressBar::setFillColor(quint32 color)
{
    d->set(d->look.fillColor, color);
}

quint32 ProgressBar::fillColorGradient() const
{
    return d->look.fillColorGradient;
}
void ProgressBar::setFillColorGradient(quint32 color)
{
    d->set(d->look.fillColorGradient, color);
}

ProgressBar::FillMode ProgressBar::fillMode() const
{
    return FillMode(d->look.fillMode);
}
void ProgressBar::setFillMode(FillMode mode)
{
    d->set(d->look.fillMode, qint32(mode));
}

void ProgressBar::setCaptionFont(const QFont &font)
{
    // The font change event notifies, so that QWidget::setFont does too.
    if (font != this->font())
        setFont(font);
}

quint32 ProgressBar::foreColor() const
{
    return d->state.foreColor;
}
void ProgressBar::setForeColor(quint32 color)
{
    d->set(d->state.foreColor, color);
}

bool ProgressBar::gradientFill() const
{
    return d->look.gradientFill;
}
void ProgressBar::setGradientFill(bool on)
{
    d->set(d->look.gradientFill, on);
}

bool ProgressBar::invertText() const
{
    return d->state.invertText;
}
void ProgressBar::setInvertText(bool on)
{
    d->set(d->state.invertText, on);
}

double ProgressBar::maxValue() const
{
    return d->state.maxValue;
}
void ProgressBar::setMaxValue(double maxValue)
{
    const int endBefore = d->currentEnd();
    bool changed = d->assign(d->state.maxValue, maxValue);
    if (d->state.value > maxValue)
        changed = d->assign(d->state.value, maxValue) || changed;
    if (changed)
        d->rangeChanged(endBefore);
}

double ProgressBar::minValue() const
{
    return d->state.minValue;
}
void ProgressBar::setMinValue(double minValue)
{
    const int endBefore = d->currentEnd();
    bool changed = d->assign(d->state.minValue, minValue);
    if (d->state.value < minValue)
        changed = d->assign(d->state.value, minValue) || changed;
    if (changed)
        d->rangeChanged(endBefore);
}

qint32 ProgressBar::systemColors() const
{
    return d->look.systemColors;
}

double ProgressBar::value() const
{
    return d->state.value;
}
void ProgressBar::setValue(double value)
{
    // Written so that a NaN, which compares false with everything, is refused too.
    if (!(d->state.minValue <= value && value <= d->state.maxValue)) {
        QApplication::beep();
        Q_EMIT valueRejected(value);
        return;
    }
    const int endBefore = d->currentEnd();
    if (d->assign(d->state.value, value))
        d->rangeChanged(endBefore);
}

void ProgressBar::paint(QPainter &painter) const
{
    // On a high-density device the caption is drawn in its finer pixels.
    const QPaintDevice *device = painter.device();
    const QImage &picture = d->compose(device ? device->devicePixelRatioF() : 1.0);
    if (!picture.isNull())
        painter.drawImage(0, 0, picture);
}

QColor ProgressBar::toColor(quint32 color)
{
    return QColor::fromRgb(toRgb(color));
}

quint32 ProgressBar::fromColor(const QColor &color)
{
    return fromRgb(color.rgb());
}

QSize ProgressBar::sizeHint() const
{
    const int thickness = fontMetrics().height() + 8;
    return d->look.direction == dirHorizontal ? QSize(150, thickness) : QSize(thickness, 150);
}

QSize ProgressBar::minimumSizeHint() const
{
    return {6, 6};
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter);
}

void ProgressBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

void ProgressBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        d->fontChanged();
}

} // namespace Velgauge
