#include "ui/QtRuntime.h"

#include "ui/OwnerWidget.h"

#include <QApplication>
#include <QBasicTimer>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTime>
#include <QTimerEvent>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace Sardek
{

namespace
{

QMessageBox::Icon iconFor(MsgBoxStyle style)
{
    switch (style) {
    case MsgBoxStyle::CriticalOk:
        return QMessageBox::Critical;
    case MsgBoxStyle::InformationOk:
        return QMessageBox::Information;
    case MsgBoxStyle::QuestionYesNo:
        return QMessageBox::Question;
    case MsgBoxStyle::ExclamationYesNo:
    case MsgBoxStyle::ExclamationYesNoCancel:
        break;
    }
    return QMessageBox::Warning;
}

QMessageBox::StandardButtons buttonsFor(MsgBoxStyle style)
{
    if (hasOkOnly(style))
        return QMessageBox::Ok;
    if (style == MsgBoxStyle::ExclamationYesNoCancel)
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    return QMessageBox::Yes | QMessageBox::No;
}

// A box closed without a button (its parent went away, say) counts as its gentlest answer.
MsgBoxResult resultFor(QMessageBox::StandardButton button, MsgBoxStyle style)
{
    switch (button) {
    case QMessageBox::Ok:
        return MsgBoxResult::Ok;
    case QMessageBox::Yes:
        return MsgBoxResult::Yes;
    case QMessageBox::No:
        return MsgBoxResult::No;
    case QMessageBox::Cancel:
        return MsgBoxResult::Cancel;
    default:
        break;
    }
    if (hasOkOnly(style))
        return MsgBoxResult::Ok;
    return style == MsgBoxStyle::ExclamationYesNoCancel ? MsgBoxResult::Cancel : MsgBoxResult::No;
}

// A nested event loop that ends itself after a time. A basic timer on the loop itself costs
// less at each wake than a QTimer, its signal and a connection: a voyage wakes 25 times.
class TimedLoop final : public QEventLoop
{
  public:
    // One wait of at most INT_MAX ms (a timer's limit); false when the loop was ended from
    // outside, which happens when the application quits.
    bool wait(int milliseconds)
    {
        m_timer.start(milliseconds, Qt::PreciseTimer, this);
        exec();
        return m_timedOut;
    }

  protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() != m_timer.timerId()) {
            QEventLoop::timerEvent(event);
            return;
        }
        m_timer.stop();
        m_timedOut = true;
        quit();
    }

  private:
    QBasicTimer m_timer;
    bool m_timedOut = false;
};

std::optional<QString> runFileDialog(QWidget *parent, const QString &title, const QString &filter,
                                     const QString &initialPath, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, initialPath, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtRuntime::QtRuntime()
{
    Randomize(timeOfDaySeed());
    m_clock.start();
}

std::uint32_t QtRuntime::timeOfDaySeed()
{
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

float QtRuntime::Rnd()
{
    return RndFromBits(static_cast<std::uint32_t>(m_generator()));
}

void QtRuntime::Randomize(std::uint32_t seed)
{
    m_generator.seed(seed);
}

void QtRuntime::Delay(std::uint32_t milliseconds)
{
    const QDeadlineTimer deadline(std::chrono::milliseconds(milliseconds), Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        const qint64 remaining = std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX);
        if (!TimedLoop().wait(static_cast<int>(remaining)))
            return;
    }
}

std::uint32_t QtRuntime::TickCount()
{
    // Truncation is the wrap-around at 2^32 that callers expect of a tick count.
    return static_cast<std::uint32_t>(m_clock.elapsed());
}

std::optional<QString> QtRuntime::GetOpenFileName(QObject *parent, const QString &title,
                                                  const QString &filter, const QString &initialPath)
{
    return runFileDialog(ownerWidget(parent), title, filter, initialPath, QFileDialog::AcceptOpen);
}

std::optional<QString> QtRuntime::GetSaveFileName(QObject *parent, const QString &title,
                                                  const QString &filter, const QString &initialPath)
{
    return runFileDialog(ownerWidget(parent), title, filter, initialPath, QFileDialog::AcceptSave);
}

bool QtRuntime::OpenLink(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void QtRuntime::Beep()
{
    QApplication::beep();
}

void QtRuntime::EndProgram()
{
    // "At once" means no close handler, no further dialog and no nested event loop running
    // on: the game code that called it would otherwise carry on with the voyage.
    std::fflush(nullptr);
    std::_Exit(0);
}

MsgBoxResult QtRuntime::showMessageBox(const QString &prompt, MsgBoxStyle style,
                                       const QString &title, QObject *parent)
{
    QWidget *over = ownerWidget(parent);
    QMessageBox box(iconFor(style), title, prompt, buttonsFor(style),
                    over ? over : QApplication::activeWindow());
    // Prompts are the game's own texts, trailing blanks included; never rich text.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(hasOkOnly(style) ? QMessageBox::Ok : QMessageBox::Yes);
    box.exec();
    return resultFor(box.standardButton(box.clickedButton()), style);
}

} // namespace Sardek
