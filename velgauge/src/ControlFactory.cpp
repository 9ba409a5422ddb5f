#include <Velgauge/ControlFactory.h>
#include <Velgauge/ProgressBar.h>

namespace Velgauge
{

QWidget *createControl(const QString &progId, const QString &instanceName, QWidget *parent)
{
    if (progId.compare(QLatin1String(ProgressBarId), Qt::CaseInsensitive) != 0)
        return nullptr;
    auto *bar = new ProgressBar(parent);
    bar->setObjectName(instanceName);
    bar->setCaption(instanceName);
    return bar;
}

QStringList registeredControls()
{
    return {QLatin1String(ProgressBarId)};
}

} // namespace Velgauge
