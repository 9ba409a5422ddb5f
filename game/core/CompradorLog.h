#pragma once

#include <QString>
#include <QStringView>

namespace Sardek
{

class GameDate;

/// Where the log is shown: told of each change, which only ever touches the log's two ends.
class LogDisplay
{
  public:
    virtual ~LogDisplay() = default;
    /// text (line breaks as CR LF) was added at the end.
    virtual void appended(const QString &text) = 0;
    /// The whole log is now text.
    virtual void replaced(const QString &text) = 0;
    /// dropped was cut from the start.
    virtual void droppedFront(QStringView dropped) = 0;
    /// Puts the caret at the end and scrolls to it.
    virtual void moveCaretToEnd() = 0;
};

/**
 * The running log of the game, the comprador's report. Its text is kept as the game counts it
 * (line breaks are CR LF, two characters) and mirrored to a display, which is told only of
 * changes at its ends so that appending and trimming cost the same however long the log is.
 */
class CompradorLog
{
  public:
    /// The most characters a redraw leaves in the log.
    static constexpr qsizetype Limit = 20000;

    /// display may be null (a headless game); it is not owned.
    explicit CompradorLog(LogDisplay *display = nullptr) : m_display(display) {}

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
    /// Puts the display's caret at the end and scrolls to it.
    void moveCaretToEnd();

  private:
    LogDisplay *m_display;
    QString m_text;
};

} // namespace Sardek
