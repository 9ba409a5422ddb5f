#include "core/CompradorLog.h"

#include "runtime/GameDate.h"

namespace Sardek
{

void CompradorLog::append(const GameDate &date, const QString &entry)
{
    appendRaw(QStringLiteral("\r\n") + date.toString() + entry);
}

void CompradorLog::appendRaw(const QString &text)
{
    m_text += text;
    if (m_display)
        m_display->appended(text);
}

void CompradorLog::reset(const QString &firstLine)
{
    m_text = firstLine;
    if (m_display)
        m_display->replaced(firstLine);
}

bool CompradorLog::trim()
{
    const qsizetype excess = m_text.size() - Limit;
    if (excess <= 0)
        return false;
    if (m_display)
        m_display->droppedFront(QStringView(m_text).left(excess));
    m_text.remove(0, excess);
    return true;
}

void CompradorLog::moveCaretToEnd()
{
    if (m_display)
        m_display->moveCaretToEnd();
}

} // namespace Sardek
