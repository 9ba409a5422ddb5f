#pragma once

#include "runtime/HeadlessRuntime.h"

#include <QTemporaryDir>

#include <random>

namespace Sardek::Play
{

/**
 * The runtime of the monkey: the program's generator with a seed and instant pauses, message
 * boxes answered at random, file dialogs that cancel or name a file in a scratch folder
 * (saved there before, or never), and abrupt endings counted instead of ending the program.
 */
class MonkeyRuntime final : public Runtime
{
  public:
    explicit MonkeyRuntime(std::uint32_t seed);

    float Rnd() override { return m_rules.Rnd(); }
    void Randomize(std::uint32_t seed) override { m_rules.Randomize(seed); }
    void Delay(std::uint32_t milliseconds) override { m_rules.Delay(milliseconds); }
    std::uint32_t TickCount() override { return m_rules.TickCount(); }
    std::optional<QString> GetOpenFileName(QWidget *, const QString &, const QString &,
                                           const QString &) override;
    std::optional<QString> GetSaveFileName(QWidget *, const QString &, const QString &,
                                           const QString &) override;
    bool OpenLink(const QUrl &) override { return false; }
    void Beep() override {}
    void EndProgram() override { m_ended = true; }

    /// The program asked to end since the last clearEnded().
    bool ended() const { return m_ended; }
    void clearEnded() { m_ended = false; }
    /// The monkey's own choices, apart from the rules' draws.
    std::mt19937 &choices() { return m_choices; }

  protected:
    MsgBoxResult showMessageBox(const QString &, MsgBoxStyle style, const QString &,
                                QWidget *) override;

  private:
    QString anyFile();

    HeadlessRuntime m_rules;
    std::mt19937 m_choices;
    QTemporaryDir m_folder;
    bool m_ended = false;
};

} // namespace Sardek::Play
