#pragma once

#include "runtime/Runtime.h"

#include <QElapsedTimer>

#include <random>

namespace Sardek
{

/**
 * The runtime the program runs on: Qt's message boxes and file dialogs, the desktop's link
 * handler and beep, a Mersenne Twister for Rnd() and a monotonic clock for TickCount() (which
 * counts from construction).
 *
 * Delay() waits in a nested event loop on a precise timer: windows repaint and timers fire
 * meanwhile, the processor stays idle, and it returns within a few milliseconds of the time
 * asked (later only when an event handler run during the wait, such as a modal dialog, takes
 * longer). It returns at once when the application is quitting.
 */
class QtRuntime final : public Runtime
{
  public:
    /// Seeded from the time of day.
    QtRuntime();

    float Rnd() override;
    void Randomize(std::uint32_t seed) override;
    void Delay(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override;
    std::optional<QString> GetOpenFileName(QObject *parent, const QString &title,
                                           const QString &filter,
                                           const QString &initialPath) override;
    std::optional<QString> GetSaveFileName(QObject *parent, const QString &title,
                                           const QString &filter,
                                           const QString &initialPath) override;
    bool OpenLink(const QUrl &url) override;
    void Beep() override;
    void EndProgram() override;

    /// Milliseconds since midnight, local time.
    static std::uint32_t timeOfDaySeed();

  protected:
    MsgBoxResult showMessageBox(const QString &prompt, MsgBoxStyle style, const QString &title,
                                QObject *parent) override;

  private:
    std::mt19937 m_generator;
    QElapsedTimer m_clock;
};

} // namespace Sardek
