#include "ProgressBarAccessible.h"

#include <Velgauge/ProgressBar.h>

namespace Velgauge
{

ProgressBarAccessible::ProgressBarAccessible(ProgressBar *bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

ProgressBar *ProgressBarAccessible::bar() const
{
    return static_cast<ProgressBar *>(widget());
}

void *ProgressBarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ProgressBarAccessible::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        if (bar()->accessibleName().isEmpty() && !bar()->caption().isEmpty())
            return bar()->caption();
        break;
    case QAccessible::Value:
        return QString::number(bar()->value());
    default:
        break;
    }
    return QAccessibleWidget::text(type);
}

QVariant ProgressBarAccessible::currentValue() const
{
    return bar()->value();
}

void ProgressBarAccessible::setCurrentValue(const QVariant &)
{
    // A gauge shows what its program measures; nobody else moves it.
}

QVariant ProgressBarAccessible::maximumValue() const
{
    return bar()->maxValue();
}

QVariant ProgressBarAccessible::minimumValue() const
{
    return bar()->minValue();
}

QVariant ProgressBarAccessible::minimumStepSize() const
{
    return 0.0;
}

QAccessibleInterface *createProgressBarAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String(ProgressBar::staticMetaObject.className()) || !object ||
        !object->isWidgetType())
        return nullptr;
    return new ProgressBarAccessible(static_cast<ProgressBar *>(object));
}

} // namespace Velgauge
