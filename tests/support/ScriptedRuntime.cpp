#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

namespace Sardek
{

namespace
{

bool isButtonOf(MsgBoxResult result, MsgBoxStyle style)
{
    if (hasOkOnly(style))
        return result == MsgBoxResult::Ok;
    if (result == MsgBoxResult::Yes || result == MsgBoxResult::No)
        return true;
    return result == MsgBoxResult::Cancel && style == MsgBoxStyle::ExclamationYesNoCancel;
}

MsgBoxResult escapeAnswer(MsgBoxStyle style)
{
    return style == MsgBoxStyle::ExclamationYesNoCancel ? MsgBoxResult::Cancel : MsgBoxResult::No;
}

} // namespace

void ScriptedRuntime::queueRnd(std::initializer_list<float> values)
{
    for (const float value : values) {
        if (!(value >= 0.0f && value < 1.0f))
            ADD_FAILURE() << "Rnd() can never give " << value << "; queue values in [0, 1)";
        m_rnd.push_back(value);
    }
}

void ScriptedRuntime::queueMsgBoxResults(std::initializer_list<MsgBoxResult> results)
{
    m_msgBoxResults.insert(m_msgBoxResults.end(), results);
}

void ScriptedRuntime::queueFileDialogAnswer(std::optional<QString> path)
{
    m_fileAnswers.push_back(std::move(path));
}

float ScriptedRuntime::Rnd()
{
    if (m_rnd.empty()) {
        ADD_FAILURE() << "Rnd() called with no scripted number left";
        return 0.0f;
    }
    const float value = m_rnd.front();
    m_rnd.pop_front();
    return value;
}

void ScriptedRuntime::Delay(std::uint32_t milliseconds)
{
    m_delays.push_back(milliseconds);
    m_ticks += milliseconds;
    if (onDelay)
        onDelay(milliseconds);
}

std::optional<QString> ScriptedRuntime::GetOpenFileName(QWidget *, const QString &title,
                                                        const QString &filter,
                                                        const QString &initialPath)
{
    return answerFileDialog({false, title, filter, initialPath});
}

std::optional<QString> ScriptedRuntime::GetSaveFileName(QWidget *, const QString &title,
                                                        const QString &filter,
                                                        const QString &initialPath)
{
    return answerFileDialog({true, title, filter, initialPath});
}

std::optional<QString> ScriptedRuntime::answerFileDialog(FileDialogCall call)
{
    m_fileDialogs.push_back(std::move(call));
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "File dialog \"" << m_fileDialogs.back().title.toStdString()
                      << "\" shown with no scripted answer left";
        return std::nullopt;
    }
    std::optional<QString> answer;
    answer.swap(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}

bool ScriptedRuntime::OpenLink(const QUrl &url)
{
    m_links.push_back(url);
    return linkAccepted;
}

MsgBoxResult ScriptedRuntime::showMessageBox(const QString &prompt, MsgBoxStyle style,
                                             const QString &title, QWidget *)
{
    m_messageBoxes.push_back({prompt, style, title});
    if (hasOkOnly(style))
        return MsgBoxResult::Ok;
    if (m_msgBoxResults.empty()) {
        ADD_FAILURE() << "Message box \"" << prompt.toStdString()
                      << "\" shown with no scripted answer left";
        return escapeAnswer(style);
    }
    const MsgBoxResult result = m_msgBoxResults.front();
    m_msgBoxResults.pop_front();
    if (!isButtonOf(result, style)) {
        ADD_FAILURE() << "Message box \"" << prompt.toStdString() << "\" has no button "
                      << static_cast<int>(result);
        return escapeAnswer(style);
    }
    return result;
}

} // namespace Sardek
