#pragma once

#include <QString>

#include <optional>

namespace Sardek
{

/**
 * Splits text in the sequential write format into its values, one at a time, without judging
 * what they mean.
 *
 * - Values are separated by a comma or a line end (CR LF, LF or CR). Blanks (spaces, tabs) and
 *   blank lines before a value are skipped; blanks after it, up to its separator, too.
 * - A value opening with a double quotation mark is a string that runs to the next one, on the
 *   same line; one opening with a number sign runs to the next number sign (a date or a truth
 *   value). Anything but blanks between such a value and its separator is an error.
 * - Any other value is bare text up to its separator, trailing blanks dropped; a comma right
 *   where a value should begin gives an empty bare value.
 */
class SequentialReader
{
  public:
    enum class Kind {
        Quoted,   ///< "text"
        Enclosed, ///< #text#
        Bare,     ///< text
    };
    struct Value {
        Kind kind = Kind::Bare;
        QString text; ///< without its quotation marks or number signs
        int line = 0; ///< 1-based line the value begins on
    };

    explicit SequentialReader(QString text);

    /// The next value; std::nullopt at the end of the text or at malformed text (error() tells).
    std::optional<Value> next();
    /// Why next() gave nothing: empty at the plain end of the text, else "Line n: ...".
    const QString &error() const { return m_error; }
    /// How many values next() has given.
    int valuesRead() const { return m_valuesRead; }

  private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool atLineEnd() const;
    void skipBlanks();
    void skipLineEnd();
    std::optional<Value> readDelimited(QChar delimiter, Kind kind, const QString &what);
    Value readBare();
    bool finishValue();
    std::optional<Value> fail(const QString &what);

    QString m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_valuesRead = 0;
    QString m_error;
};

} // namespace Sardek
