#include "runtime/HeadlessRuntime.h"

namespace Sardek
{

HeadlessRuntime::HeadlessRuntime(std::uint32_t seed) : m_generator(seed) {}

float HeadlessRuntime::Rnd()
{
    ++m_rolls;
    return RndFromBits(static_cast<std::uint32_t>(m_generator()));
}

void HeadlessRuntime::Randomize(std::uint32_t seed)
{
    m_generator.seed(seed);
}

// Time passes for whoever reads the tick count, but nothing waits.
void HeadlessRuntime::Delay(std::uint32_t milliseconds)
{
    m_ticks += milliseconds;
}

std::optional<QString> HeadlessRuntime::GetOpenFileName(QObject *, const QString &, const QString &,
                                                        const QString &)
{
    return m_fileChooser(false);
}

std::optional<QString> HeadlessRuntime::GetSaveFileName(QObject *, const QString &, const QString &,
                                                        const QString &)
{
    return m_fileChooser(true);
}

MsgBoxResult HeadlessRuntime::showMessageBox(const QString &prompt, MsgBoxStyle style,
                                             const QString &, QObject *)
{
    if (m_answerer)
        return m_answerer(prompt, style);
    return hasOkOnly(style) ? MsgBoxResult::Ok : MsgBoxResult::Yes;
}

} // namespace Sardek
