#include "ui/LogTextBox.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace Sardek
{

namespace
{

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

void LogTextBox::appended(const QString &text)
{
    QTextCursor cursor(m_box.document());
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

void LogTextBox::replaced(const QString &text)
{
    m_box.setPlainText(text);
    moveCaretToEnd();
}

// A cut between CR and LF keeps the break: the box then starts with an empty line.
void LogTextBox::droppedFront(QStringView dropped)
{
    qsizetype boxCharacters = dropped.size() - dropped.count(LineBreak);
    if (dropped.endsWith(QLatin1Char('\r')))
        --boxCharacters;
    QTextCursor cursor(m_box.document());
    cursor.setPosition(0);
    cursor.setPosition(int(boxCharacters), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void LogTextBox::moveCaretToEnd()
{
    // A caret already at the end stays there as lines are appended; moving it again would
    // only lay the last line out once more.
    const QTextCursor caret = m_box.textCursor();
    if (!caret.atEnd() || caret.hasSelection())
        m_box.moveCursor(QTextCursor::End);
    m_box.ensureCursorVisible();
}

} // namespace Sardek
