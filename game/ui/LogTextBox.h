#pragma once

#include "core/CompradorLog.h"

#include <QRect>
#include <QTextBlock>

class QPlainTextEdit;
class QTextLine;

namespace Sardek
{

/**
 * Shows the log in a text box, changed only at its ends. The box holds one character for each
 * CR LF of the log's text; a reset also puts the caret at the end.
 */
class LogTextBox final : public LogDisplay
{
  public:
    /// box is not owned and must outlive this display.
    explicit LogTextBox(QPlainTextEdit &box) : m_box(box) {}

    void appended(const QString &text) override;
    void replaced(const QString &text) override;
    void droppedFront(QStringView dropped) override;
    void moveCaretToEnd() override;

  private:
    QRect appendOnLastLine(const QString &text);
    void repaintEnd(const QRect &caret, const QTextLine &line, qreal widthBefore);
    void keepShaped(const QTextBlock &line);
    void letGoShaped();

    QPlainTextEdit &m_box;
    QTextBlock m_shaped;
};

} // namespace Sardek
