#pragma once

#include "runtime/Runtime.h"

#include <functional>
#include <random>

namespace Sardek
{

/**
 * A runtime for games played without windows: the program's own random generator (the same
 * numbers as QtRuntime for the same seed), pauses that return at once, message boxes and file
 * dialogs answered by policies, and no links. Statistical tests, benchmarks and automatic
 * players run the rules on it.
 */
class HeadlessRuntime final : public Runtime
{
  public:
    /// Chooses the answer to a message box; the default takes the first button (Ok or Yes).
    using Answerer = std::function<MsgBoxResult(const QString &prompt, MsgBoxStyle style)>;
    /// Chooses the file of an open (saving false) or save dialog; the default cancels.
    using FileChooser = std::function<std::optional<QString>(bool saving)>;

    explicit HeadlessRuntime(std::uint32_t seed = 1);

    float Rnd() override;
    void Randomize(std::uint32_t seed) override;
    void Delay(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override { return m_ticks; }
    std::optional<QString> GetOpenFileName(QObject *, const QString &, const QString &,
                                           const QString &) override;
    std::optional<QString> GetSaveFileName(QObject *, const QString &, const QString &,
                                           const QString &) override;
    bool OpenLink(const QUrl &) override { return false; }
    void Beep() override {}
    void EndProgram() override { ++m_programEnds; }

    void setAnswerer(Answerer answerer) { m_answerer = std::move(answerer); }
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
    /// How many numbers Rnd() has given since construction.
    std::uint64_t rolls() const { return m_rolls; }
    /// Whether the game asked to end the program, and how many times.
    bool programEnded() const { return m_programEnds > 0; }
    int programEnds() const { return m_programEnds; }

  protected:
    MsgBoxResult showMessageBox(const QString &prompt, MsgBoxStyle style, const QString &title,
                                QObject *parent) override;

  private:
    std::mt19937 m_generator;
    Answerer m_answerer;
    FileChooser m_fileChooser = [](bool) { return std::optional<QString>(); };
    std::uint64_t m_rolls = 0;
    std::uint32_t m_ticks = 0;
    int m_programEnds = 0;
};

} // namespace Sardek
