#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace Sardek::Testing
{

/// Runs action, as a player would, on the next modal dialog to open, from inside its own event
/// loop: call it before the order that opens the dialog. No dialog within timeoutMs fails.
inline void whenDialogOpens(std::function<void(QDialog &)> action, int timeoutMs = 3000)
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

/// Finds the child of dialog with objectName name and type T; fails the test when missing.
template <typename T> T *control(QDialog &dialog, const char *name);

} // namespace Sardek::Testing

#include "ModalDialogs.inl"
