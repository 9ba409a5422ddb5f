#include "ui/GuardedDialog.h"

#include <QCloseEvent>

namespace Sardek
{

void GuardedDialog::reject()
{
    if (mayLeave())
        QDialog::reject();
}

void GuardedDialog::closeEvent(QCloseEvent *event)
{
    if (mayLeave())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace Sardek
