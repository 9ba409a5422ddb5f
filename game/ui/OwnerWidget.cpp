#include "ui/OwnerWidget.h"

#include <QWidget>

namespace Sardek
{

QWidget *ownerWidget(QObject *owner)
{
    return qobject_cast<QWidget *>(owner);
}

} // namespace Sardek
