#include "core/SequentialReader.h"

namespace Sardek
{

namespace
{

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

SequentialReader::SequentialReader(QString text) : m_text(std::move(text)) {}

std::optional<SequentialReader::Value> SequentialReader::next()
{
    m_error.clear();
    while (!atEnd() && (isBlank(m_text[m_pos]) || atLineEnd())) {
        if (atLineEnd())
            skipLineEnd();
        else
            ++m_pos;
    }
    if (atEnd())
        return std::nullopt;

    std::optional<Value> value;
    const QChar first = m_text[m_pos];
    if (first == QLatin1Char('"'))
        value = readDelimited(first, Kind::Quoted, QStringLiteral("closing quotation mark"));
    else if (first == QLatin1Char('#'))
        value = readDelimited(first, Kind::Enclosed, QStringLiteral("closing number sign"));
    else
        value = readBare();
    if (!value || !finishValue())
        return std::nullopt;
    ++m_valuesRead;
    return value;
}

bool SequentialReader::atLineEnd() const
{
    return !atEnd() && isLineEnd(m_text[m_pos]);
}

void SequentialReader::skipBlanks()
{
    while (!atEnd() && isBlank(m_text[m_pos]))
        ++m_pos;
}

void SequentialReader::skipLineEnd()
{
    // CR LF is one line end; so are a lone LF and a lone CR.
    if (m_text[m_pos] == QLatin1Char('\r') && m_pos + 1 < m_text.size() &&
        m_text[m_pos + 1] == QLatin1Char('\n'))
        ++m_pos;
    ++m_pos;
    ++m_line;
}

std::optional<SequentialReader::Value> SequentialReader::readDelimited(QChar delimiter, Kind kind,
                                                                       const QString &what)
{
    const qsizetype start = m_pos + 1;
    qsizetype end = start;
    while (end < m_text.size() && m_text[end] != delimiter && !isLineEnd(m_text[end]))
        ++end;
    if (end == m_text.size() || m_text[end] != delimiter)
        return fail(QStringLiteral("no ") + what);
    m_pos = end + 1;
    return Value{kind, m_text.mid(start, end - start), m_line};
}

SequentialReader::Value SequentialReader::readBare()
{
    const qsizetype start = m_pos;
    while (!atEnd() && m_text[m_pos] != QLatin1Char(',') && !atLineEnd())
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    return Value{Kind::Bare, m_text.mid(start, end - start), m_line};
}

bool SequentialReader::finishValue()
{
    skipBlanks();
    if (atEnd())
        return true;
    if (m_text[m_pos] == QLatin1Char(',')) {
        ++m_pos;
        return true;
    }
    if (atLineEnd()) {
        skipLineEnd();
        return true;
    }
    fail(QStringLiteral("unexpected text after a value"));
    return false;
}

std::optional<SequentialReader::Value> SequentialReader::fail(const QString &what)
{
    m_error = QStringLiteral("Line %1: %2").arg(m_line).arg(what);
    return std::nullopt;
}

} // namespace Sardek
