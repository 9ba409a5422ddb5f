#include "ui/LogTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace Sardek
{

namespace
{

const QString LineBreak = QStringLiteral("\r\n");

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

QTextLine lastLineOf(const QTextBlock &block)
{
    const QTextLayout &layout = *block.layout();
    return layout.lineAt(layout.lineCount() - 1);
}

qreal widthOfLastLine(const QTextBlock &block)
{
    return block.layout()->lineCount() > 0 ? lastLineOf(block).naturalTextWidth() : 0;
}

// Inside an edit block the cursor skips working out its on-screen column after each move and
// insertion, which would lay the whole line out again; a position set, unlike a move to the
// end, does not read the direction of the line's text either.
void insertAtEnd(QTextCursor &cursor, const QString &text)
{
    cursor.beginEditBlock();
    cursor.setPosition(cursor.document()->characterCount() - 1);
    cursor.insertText(text);
    cursor.endEditBlock();
}

} // namespace

void LogTextBox::appended(const QString &text)
{
    if (hasLineBreak(text)) {
        // The document turns each CR LF into one paragraph break.
        QString shown = text;
        shown.replace(LineBreak, QStringLiteral("\n"));
        QTextCursor cursor(m_box.document());
        insertAtEnd(cursor, shown);
        moveCaretToEnd();
        return;
    }
    const QRect end = appendOnLastLine(text);
    // A caret at the end and in view stays in view: there is nothing to move or scroll.
    const QTextCursor caret = m_box.textCursor();
    if (!caret.atEnd() || caret.hasSelection() || !m_box.viewport()->rect().contains(end))
        moveCaretToEnd();
}

// The dots of a voyage, one a step. Told of the change, the box would repaint the whole line;
// only its end changed, so only the end is repainted, unless the line grew taller (it
// wrapped). Returns where the end of the log now is on screen, or an empty rectangle when the
// whole box is repainted.
QRect LogTextBox::appendOnLastLine(const QString &text)
{
    QTextDocument &document = *m_box.document();
    const QTextBlock line = document.lastBlock();
    keepShaped(line);
    QAbstractTextDocumentLayout &layout = *document.documentLayout();
    const QSizeF sizeBefore = layout.documentSize();
    const qreal heightBefore = layout.blockBoundingRect(line).height();
    const qreal widthBefore = widthOfLastLine(line);
    QTextCursor end(&document);
    {
        const QSignalBlocker quiet(&layout);
        insertAtEnd(end, text);
    }
    // What the layout would have said: the new size (the longest line sets the width), and a
    // repaint of everything when the line grew taller.
    if (layout.documentSize() != sizeBefore)
        Q_EMIT layout.documentSizeChanged(layout.documentSize());
    if (layout.blockBoundingRect(line).height() != heightBefore) {
        Q_EMIT layout.update(QRectF(0, -document.documentMargin(), 1e9, 1e9));
        return {};
    }
    const QRect caret = m_box.cursorRect(end);
    repaintEnd(caret, lastLineOf(line), widthBefore);
    return caret;
}

// The new text ends at the caret on line, which was widthBefore wide. The glyphs before it may
// kern closer to the new text or reach into it, and accents and tails may stand out of the line
// a little.
void LogTextBox::repaintEnd(const QRect &caret, const QTextLine &line, qreal widthBefore)
{
    const int height = qCeil(line.height());
    const int grown = qCeil(line.naturalTextWidth() - widthBefore);
    const int margin = height / 4 + 1;
    m_box.viewport()->update(QRect(QPoint(caret.left() - grown - height, caret.top() - margin),
                                   QPoint(caret.right() + height, caret.top() + height + margin)));
}

// The last line keeps its shaped glyphs between layouts, so that finding the caret and
// repainting after a dot do not shape the whole line again; a line no longer last lets go.
void LogTextBox::keepShaped(const QTextBlock &line)
{
    if (line == m_shaped)
        return;
    letGoShaped();
    line.layout()->setCacheEnabled(true);
    m_shaped = line;
}

// Before the text changes but at the end, so that no line stays shaped unseen: a line that
// survives a cut would otherwise keep its glyphs for good.
void LogTextBox::letGoShaped()
{
    if (m_shaped.isValid())
        m_shaped.layout()->setCacheEnabled(false);
    m_shaped = QTextBlock();
}

void LogTextBox::replaced(const QString &text)
{
    letGoShaped();
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
    letGoShaped();
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
