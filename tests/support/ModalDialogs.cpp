#include "ModalDialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace Sardek
{

void whenDialogOpens(std::function<void(QDialog &)> action, int timeoutMs)
{
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    const QDeadlineTimer deadline(timeoutMs);
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = modal != before ? qobject_cast<QDialog *>(modal) : nullptr;
        if (!dialog && !deadline.hasExpired())
            return;
        poll->stop(); // before acting, which may spin an event loop of its own
        poll->deleteLater();
        if (dialog)
            action(*dialog);
        else
            ADD_FAILURE() << "no dialog opened within " << timeoutMs << " ms";
    });
    poll->start(5);
}

} // namespace Sardek
