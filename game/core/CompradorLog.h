#pragma once

#include <QString>

class QPlainTextEdit;

namespace Sardek
{

class GameDate;

/**
 * The running log of the game, the comprador's report. Its text is kept as the game counts it
 * (line breaks are CR LF, two characters) and mirrored into a text box, which is changed only
 * at its ends so that appending and trimming cost the same however long the log is.
 */
class CompradorLog
{
  public:
    /// The most characters a redraw leaves in the log.
    static constexpr qsizetype Limit = 20000;

    /// view may be null (a headless game); it is not owned.
    explicit CompradorLog(QPlainTextEdit *view = nullptr);

    const QString &text() const { return m_text; }

    /// Appends a line break, the date as "mmm dd, yyyy" and entry (which begins " - ").
    void append(const GameDate &date, const QString &entry);
    /// Appends text as it is, on the last line (the dots of a passing voyage).
    void appendRaw(const QString &text);
    /// Replaces the whole log by one first line, without a line break before it.
    void reset(const QString &firstLine);
    /// Keeps only the last Limit characters when there are more; the cut may fall inside a
    /// line. Returns whether anything was cut.
    bool trim();
    /// Puts the view's caret at the end and scrolls to it.
    void moveCaretToEnd();

  private:
    void appendToView(const QString &text);
    void dropFromView(qsizetype modelCharacters);

    QPlainTextEdit *m_view;
    QString m_text;
};

} // namespace Sardek
