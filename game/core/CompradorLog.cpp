#include "core/CompradorLog.h"

#include "runtime/GameDate.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace Sardek
{

namespace
{

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

CompradorLog::CompradorLog(QPlainTextEdit *view) : m_view(view) {}

void CompradorLog::append(const GameDate &date, const QString &entry)
{
    const QString line = LineBreak + date.toString() + entry;
    m_text += line;
    appendToView(line);
}

void CompradorLog::appendRaw(const QString &text)
{
    m_text += text;
    appendToView(text);
}

void CompradorLog::reset(const QString &firstLine)
{
    m_text = firstLine;
    if (m_view) {
        m_view->setPlainText(firstLine);
        moveCaretToEnd();
    }
}

bool CompradorLog::trim()
{
    const qsizetype excess = m_text.size() - Limit;
    if (excess <= 0)
        return false;
    dropFromView(excess);
    m_text.remove(0, excess);
    return true;
}

void CompradorLog::moveCaretToEnd()
{
    if (!m_view)
        return;
    // A caret already at the end stays there as lines are appended; moving it again would
    // only lay the last line out once more.
    const QTextCursor caret = m_view->textCursor();
    if (!caret.atEnd() || caret.hasSelection())
        m_view->moveCursor(QTextCursor::End);
    m_view->ensureCursorVisible();
}

void CompradorLog::appendToView(const QString &text)
{
    if (!m_view)
        return;
    QTextCursor cursor(m_view->document());
    // Inside an edit block the cursor skips working out its on-screen column after each move
    // and insertion, which would lay the whole line out again for every dot of a voyage.
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    // The document turns each CR LF into one paragraph break.
    QString shown = text;
    shown.replace(LineBreak, QStringLiteral("\n"));
    cursor.insertText(shown);
    cursor.endEditBlock();
    moveCaretToEnd();
}

// The view holds one character per CR LF, so the model's first n characters are fewer
// there. A cut between CR and LF keeps the break: the log then starts with an empty line.
void CompradorLog::dropFromView(qsizetype modelCharacters)
{
    if (!m_view)
        return;
    const QStringView dropped = QStringView(m_text).left(modelCharacters);
    qsizetype viewCharacters = modelCharacters - dropped.count(LineBreak);
    if (dropped.endsWith(QLatin1Char('\r')))
        --viewCharacters;
    QTextCursor cursor(m_view->document());
    cursor.setPosition(0);
    cursor.setPosition(int(viewCharacters), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

} // namespace Sardek
