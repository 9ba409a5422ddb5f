#include "ui/MainWindow.h"

#include <QWidget>

namespace Sardek
{

QObject &MainWindow::messageOwner()
{
    return window();
}

} // namespace Sardek
