#include "ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace Sardek
{

void whenDialogOpens(std::function<void(QDialog &)> action, int timeoutMs)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto *poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (dialog && modal != before) {
            poll->stop();
            poll->deleteLater();
            action(*dialog);
        } else if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no dialog opened within " << timeoutMs << " ms";
        }
    });
    poll->start(5);
}

} // namespace Sardek
