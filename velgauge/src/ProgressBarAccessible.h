#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace Velgauge
{

class ProgressBar;

/**
 * What assistive technology learns of a gauge: a progress bar whose name is its accessible
 * name, else its Caption, else its buddy label's text; whose value, minimum and maximum are
 * Value, MinValue and MaxValue. The program sets the value; a reader cannot.
 */
class ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
  public:
    explicit ProgressBarAccessible(ProgressBar *bar);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    ProgressBar *bar() const;
};

/// Registered with QAccessible by the first gauge made: interfaces for ProgressBar and
/// classes derived from it.
QAccessibleInterface *createProgressBarAccessible(const QString &className, QObject *object);

} // namespace Velgauge
