#pragma once

#include "QtPrinters.h"

#include "runtime/Runtime.h"

#include <QUrl>
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <vector>

namespace Sardek::Testing
{

// The runtime of the tests: every answer scripted, every call recorded, no wait, no window.
// Rnd(), message boxes with more than an OK button and file dialogs take the next queued answer
// (std::nullopt cancels a file dialog); none left, or one the call could never give, fails the
// test. Delay() advances TickCount() at once, then calls onDelay, to look at a window mid-pause.
class ScriptedRuntime : public Runtime
{
  public:
    struct MessageBoxCall {
        QString prompt;
        MsgBoxStyle style;
        QString title;
        bool operator==(const MessageBoxCall &) const = default;
    };
    struct FileDialogCall {
        bool save;
        QString title, filter;
    };

    void queueRnd(std::initializer_list<float> values)
    {
        for (const float value : values) {
            if (!(value >= 0.0f && value < 1.0f))
                ADD_FAILURE() << "Rnd() can never give " << value << "; queue values in [0, 1)";
            m_rnd.push_back(value);
        }
    }
    void queueMsgBoxResults(std::initializer_list<MsgBoxResult> results)
    {
        m_msgBoxResults.insert(m_msgBoxResults.end(), results);
    }
    void queueFileDialogAnswer(std::optional<QString> path) { m_fileAnswers.push_back(path); }

    float Rnd() override { return next(m_rnd, 0.0f, "Rnd() called"); }
    void Randomize(std::uint32_t seed) override { m_seeds.push_back(seed); }
    void Delay(std::uint32_t milliseconds) override
    {
        m_delays.push_back(milliseconds);
        m_ticks += milliseconds;
        if (onDelay)
            onDelay(milliseconds);
    }
    std::uint32_t TickCount() override { return m_ticks; }
    std::optional<QString> GetOpenFileName(QObject *, const QString &title, const QString &filter,
                                           const QString &) override
    {
        return answerFileDialog({false, title, filter});
    }
    std::optional<QString> GetSaveFileName(QObject *, const QString &title, const QString &filter,
                                           const QString &) override
    {
        return answerFileDialog({true, title, filter});
    }
    bool OpenLink(const QUrl &url) override
    {
        m_links.push_back(url);
        return linkAccepted;
    }
    void Beep() override {}
    void EndProgram() override { ++m_programEnds; }

    std::size_t rndLeft() const { return m_rnd.size(); }
    const std::vector<MessageBoxCall> &messageBoxes() const { return m_messageBoxes; }
    const std::vector<std::uint32_t> &delays() const { return m_delays; }
    const std::vector<std::uint32_t> &seeds() const { return m_seeds; }
    const std::vector<FileDialogCall> &fileDialogs() const { return m_fileDialogs; }
    const std::vector<QUrl> &openedLinks() const { return m_links; }
    int programEnds() const { return m_programEnds; }

    std::function<void(std::uint32_t)> onDelay;
    bool linkAccepted = true;

  protected:
    MsgBoxResult showMessageBox(const QString &prompt, MsgBoxStyle style, const QString &title,
                                QObject *) override
    {
        m_messageBoxes.push_back({prompt, style, title});
        if (hasOkOnly(style))
            return MsgBoxResult::Ok;
        // Escape's answer stands in for a missing or impossible one.
        const bool cancels = style == MsgBoxStyle::ExclamationYesNoCancel;
        const MsgBoxResult escape = cancels ? MsgBoxResult::Cancel : MsgBoxResult::No;
        const std::string box = "Message box \"" + prompt.toStdString() + "\"";
        const MsgBoxResult result = next(m_msgBoxResults, escape, box + " shown");
        if (result == MsgBoxResult::Yes || result == MsgBoxResult::No || result == escape)
            return result;
        ADD_FAILURE() << box << " has no button " << static_cast<int>(result);
        return escape;
    }

  private:
    // Pops the next scripted answer; none left fails the test and gives fallback.
    template <typename T> static T next(std::deque<T> &queue, T fallback, const std::string &call)
    {
        if (queue.empty()) {
            ADD_FAILURE() << call << " with no scripted answer left";
            return fallback;
        }
        T answer{};
        std::swap(answer, queue.front()); // a move here trips a false uninitialised warning
        queue.pop_front();
        return answer;
    }
    std::optional<QString> answerFileDialog(const FileDialogCall &call)
    {
        m_fileDialogs.push_back(call);
        return next(m_fileAnswers, std::optional<QString>(),
                    "File dialog \"" + call.title.toStdString() + "\" shown");
    }

    std::deque<float> m_rnd;
    std::deque<MsgBoxResult> m_msgBoxResults;
    std::deque<std::optional<QString>> m_fileAnswers;
    std::vector<MessageBoxCall> m_messageBoxes;
    std::vector<std::uint32_t> m_delays, m_seeds;
    std::vector<FileDialogCall> m_fileDialogs;
    std::vector<QUrl> m_links;
    std::uint32_t m_ticks = 0;
    int m_programEnds = 0;
};

inline void PrintTo(const ScriptedRuntime::MessageBoxCall &box, std::ostream *out)
{
    *out << '"' << box.prompt.toStdString() << "\" " << static_cast<int>(box.style) << " \""
         << box.title.toStdString() << '"';
}

/// The first float r with r * n >= k, where Int(Rnd * n + m) first gives m + k: exact, for a
/// float times a whole number below 2^29 is exact in double.
inline float edgeRoll(long long k, long long n)
{
    float r = float(double(k) / double(n));
    while (double(r) * double(n) < double(k))
        r = std::nextafter(r, 1.0f);
    while (r > 0.0f && double(std::nextafter(r, 0.0f)) * double(n) >= double(k))
        r = std::nextafter(r, 0.0f);
    return r;
}

/// The last float below edgeRoll(k, n): the last roll that still gives m + k - 1.
inline float belowEdge(long long k, long long n)
{
    return std::nextafter(edgeRoll(k, n), 0.0f);
}

/// Checks the message boxes shown: prompt, style and title of each.
inline void expectBoxes(const ScriptedRuntime &runtime,
                        const std::vector<ScriptedRuntime::MessageBoxCall> &expected)
{
    EXPECT_EQ(runtime.messageBoxes(), expected);
}

} // namespace Sardek::Testing
