#pragma once

#include "QtPrinters.h"

#include "runtime/Runtime.h"

#include <QString>
#include <QUrl>

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

namespace Sardek
{

/**
 * The runtime of the tests: every answer is scripted beforehand, every call is recorded, and
 * nothing waits or shows a window.
 *
 * - Rnd() hands out queued numbers in order; running dry fails the test and gives 0.
 * - Message boxes with only an OK button are answered Ok; the others take the next queued
 *   result, and running dry, or a result that is not one of the box's buttons, fails the test
 *   (the box is then answered Cancel or No). Every box is recorded.
 * - Delay() returns at once: it records the milliseconds, advances TickCount() by them and
 *   then calls onDelay, if set (a test can look at a window in the middle of a pause).
 * - File dialogs take the next queued answer (std::nullopt is a cancel); running dry fails the
 *   test and cancels.
 * - OpenLink() records the link and returns linkAccepted; Beep() and EndProgram() count.
 */
class ScriptedRuntime : public Runtime
{
  public:
    struct MessageBoxCall {
        QString prompt;
        MsgBoxStyle style;
        QString title;
    };
    struct FileDialogCall {
        bool save;
        QString title;
        QString filter;
        QString initialPath;
    };

    /// Values outside [0, 1) fail the test when queued.
    void queueRnd(std::initializer_list<float> values);
    void queueMsgBoxResults(std::initializer_list<MsgBoxResult> results);
    void queueFileDialogAnswer(std::optional<QString> path);
    void setTickCount(std::uint32_t ticks) { m_ticks = ticks; }

    float Rnd() override;
    void Randomize(std::uint32_t seed) override { m_seeds.push_back(seed); }
    void Delay(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override { return m_ticks; }
    std::optional<QString> GetOpenFileName(QWidget *parent, const QString &title,
                                           const QString &filter,
                                           const QString &initialPath) override;
    std::optional<QString> GetSaveFileName(QWidget *parent, const QString &title,
                                           const QString &filter,
                                           const QString &initialPath) override;
    bool OpenLink(const QUrl &url) override;
    void Beep() override { ++m_beeps; }
    void EndProgram() override { ++m_programEnds; }

    std::size_t rndLeft() const { return m_rnd.size(); }
    std::size_t msgBoxResultsLeft() const { return m_msgBoxResults.size(); }
    const std::vector<MessageBoxCall> &messageBoxes() const { return m_messageBoxes; }
    const std::vector<std::uint32_t> &delays() const { return m_delays; }
    const std::vector<std::uint32_t> &seeds() const { return m_seeds; }
    const std::vector<FileDialogCall> &fileDialogs() const { return m_fileDialogs; }
    const std::vector<QUrl> &openedLinks() const { return m_links; }
    int beeps() const { return m_beeps; }
    /// How often the program would have ended.
    int programEnds() const { return m_programEnds; }

    /// Called by Delay() with the milliseconds asked, after recording them.
    std::function<void(std::uint32_t)> onDelay;
    bool linkAccepted = true;

  protected:
    MsgBoxResult showMessageBox(const QString &prompt, MsgBoxStyle style, const QString &title,
                                QWidget *parent) override;

  private:
    std::optional<QString> answerFileDialog(FileDialogCall call);

    std::deque<float> m_rnd;
    std::deque<MsgBoxResult> m_msgBoxResults;
    std::deque<std::optional<QString>> m_fileAnswers;
    std::vector<MessageBoxCall> m_messageBoxes;
    std::vector<std::uint32_t> m_delays;
    std::vector<std::uint32_t> m_seeds;
    std::vector<FileDialogCall> m_fileDialogs;
    std::vector<QUrl> m_links;
    std::uint32_t m_ticks = 0;
    int m_beeps = 0;
    int m_programEnds = 0;
};

namespace Testing
{

/// Checks the message boxes shown: prompt, style and title of each.
inline void expectBoxes(const ScriptedRuntime &runtime,
                        const std::vector<ScriptedRuntime::MessageBoxCall> &expected)
{
    ASSERT_EQ(runtime.messageBoxes().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(runtime.messageBoxes()[i].prompt, expected[i].prompt);
        EXPECT_EQ(runtime.messageBoxes()[i].style, expected[i].style);
        EXPECT_EQ(runtime.messageBoxes()[i].title, expected[i].title);
    }
}

} // namespace Testing

} // namespace Sardek
