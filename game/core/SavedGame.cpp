#include "core/SavedGame.h"

#include "core/GameState.h"
#include "core/SavedValueText.h"
#include "core/SequentialReader.h"
#include "runtime/Formats.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace Sardek
{

namespace
{

using Value = SequentialReader::Value;

constexpr int ValueCount = 26;
// Long enough to recognise a bad value in an error title, short enough to fit one.
constexpr qsizetype ShownLength = 24;

struct NumberField {
    Currency SavedValues::*saved;
    Currency GameState::*state;
};

// The 22 numbers in file order, between the port and the truth value.
constexpr std::array<NumberField, 22> NumberFields{{
    {&SavedValues::Cannons, &GameState::Cannons},
    {&SavedValues::ShipStatus, &GameState::ShipStatus},
    {&SavedValues::HoldUsed, &GameState::HoldUsed},
    {&SavedValues::HoldCapacity, &GameState::HoldCapacity},
    {&SavedValues::ShipOpium, &GameState::ShipOpium},
    {&SavedValues::ShipSilk, &GameState::ShipSilk},
    {&SavedValues::ShipArms, &GameState::ShipArms},
    {&SavedValues::ShipGeneral, &GameState::ShipGeneral},
    {&SavedValues::WarehouseOpium, &GameState::WarehouseOpium},
    {&SavedValues::WarehouseSilk, &GameState::WarehouseSilk},
    {&SavedValues::WarehouseArms, &GameState::WarehouseArms},
    {&SavedValues::WarehouseGeneral, &GameState::WarehouseGeneral},
    {&SavedValues::PriceOpium, &GameState::PriceOpium},
    {&SavedValues::PriceSilk, &GameState::PriceSilk},
    {&SavedValues::PriceArms, &GameState::PriceArms},
    {&SavedValues::PriceGeneral, &GameState::PriceGeneral},
    {&SavedValues::Bank, &GameState::Bank},
    {&SavedValues::Debt, &GameState::Debt},
    {&SavedValues::Cash, &GameState::Cash},
    {&SavedValues::CannonPrice, &GameState::CannonPrice},
    {&SavedValues::ShipPrice, &GameState::ShipPrice},
    {&SavedValues::TributeCounter, &GameState::TributeCounter},
}};

QString quoted(QString text)
{
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray savedGameBytes(const SavedValues &values)
{
    QStringList lines;
    lines << QLatin1Char('#') + savedDateText(values.GameDate) + QLatin1Char('#')
          << quoted(values.FirmName) << quoted(values.CurrentPort);
    for (const NumberField &field : NumberFields)
        lines << PlainNumber(values.*field.saved);
    lines << (values.MillionaireShown ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"));
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString describe(const QFileDevice &file)
{
    const QString text = file.errorString();
    return text.isEmpty() ? QStringLiteral("Unknown error") : text;
}

// A write the system cuts short part way (a full disk, a size limit) leaves no reason behind;
// the system gives it when the rest is tried once more.
bool flushed(QSaveFile &file)
{
    return file.flush() || file.flush();
}

QString shown(const QString &text)
{
    return QLatin1Char('"') +
           (text.size() > ShownLength ? text.left(ShownLength) + QStringLiteral("...") : text) +
           QLatin1Char('"');
}

QString at(const Value &value, const QString &problem)
{
    return QStringLiteral("Line %1: %2").arg(value.line).arg(problem);
}

// Empty when a value was read into value; otherwise why not.
QString nextValue(SequentialReader &reader, Value &value)
{
    auto next = reader.next();
    if (!next) {
        if (!reader.error().isEmpty())
            return reader.error();
        return QStringLiteral("The file ends after %1 of %2 values")
            .arg(reader.valuesRead())
            .arg(ValueCount);
    }
    value = std::move(*next);
    return {};
}

QString readDate(SequentialReader &reader, GameDate &date)
{
    Value value;
    if (QString error = nextValue(reader, value); !error.isEmpty())
        return error;
    const auto read =
        value.kind == SequentialReader::Kind::Enclosed ? readSavedDate(value.text) : std::nullopt;
    if (!read)
        return at(value, shown(value.text) + QStringLiteral(" is not a date"));
    date = *read;
    return {};
}

// Quoted or bare text; a value between number signs is refused.
QString readTextValue(SequentialReader &reader, Value &value)
{
    if (QString error = nextValue(reader, value); !error.isEmpty())
        return error;
    if (value.kind == SequentialReader::Kind::Enclosed)
        return at(value, QStringLiteral("text was expected"));
    return {};
}

QString readFirm(SequentialReader &reader, QString &firm)
{
    Value value;
    if (QString error = readTextValue(reader, value); !error.isEmpty())
        return error;
    // The name could not be saved again as it is: the file's strings cannot hold the mark.
    if (value.text.contains(QLatin1Char('"')))
        return at(value, QStringLiteral("a firm name cannot hold a double quotation mark"));
    firm = value.text;
    return {};
}

QString readPort(SequentialReader &reader, QString &port)
{
    Value value;
    if (QString error = readTextValue(reader, value); !error.isEmpty())
        return error;
    if (!PortNames.contains(value.text))
        return at(value, shown(value.text) + QStringLiteral(" is not a port"));
    port = value.text;
    return {};
}

QString readNumber(SequentialReader &reader, Currency &number)
{
    Value value;
    if (QString error = nextValue(reader, value); !error.isEmpty())
        return error;
    if (value.kind != SequentialReader::Kind::Bare)
        return at(value, QStringLiteral("a number was expected"));
    switch (readSavedNumber(value.text, number)) {
    case NumberReading::Ok:
        return {};
    case NumberReading::OutOfRange:
        return at(value, shown(value.text) + QStringLiteral(" is out of range"));
    case NumberReading::NotANumber:
        break;
    }
    return at(value, shown(value.text) + QStringLiteral(" is not a number"));
}

QString readTruth(SequentialReader &reader, bool &truth)
{
    Value value;
    if (QString error = nextValue(reader, value); !error.isEmpty())
        return error;
    const bool enclosed = value.kind == SequentialReader::Kind::Enclosed;
    if (enclosed && value.text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
        truth = true;
    else if (enclosed && value.text.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
        truth = false;
    else
        return at(value, QStringLiteral("#TRUE# or #FALSE# was expected"));
    return {};
}

LoadResult parseSavedGame(const QString &text)
{
    SequentialReader reader(text);
    SavedValues values;
    QString error = readDate(reader, values.GameDate);
    if (error.isEmpty())
        error = readFirm(reader, values.FirmName);
    if (error.isEmpty())
        error = readPort(reader, values.CurrentPort);
    for (const NumberField &field : NumberFields) {
        if (error.isEmpty())
            error = readNumber(reader, values.*field.saved);
    }
    if (error.isEmpty())
        error = readTruth(reader, values.MillionaireShown);
    if (!error.isEmpty())
        return LoadResult{std::nullopt, error};
    return LoadResult{std::move(values), {}};
}

// Files from elsewhere may be in a single-byte code page; Latin-1 reads every byte.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

SavedValues savedValuesOf(const GameState &state)
{
    SavedValues values;
    values.GameDate = state.GameDate;
    values.FirmName = state.FirmName;
    values.CurrentPort = state.CurrentPort;
    for (const NumberField &field : NumberFields)
        values.*field.saved = state.*field.state;
    values.MillionaireShown = state.MillionaireShown;
    return values;
}

void applySavedValues(const SavedValues &values, GameState &state)
{
    state.GameDate = values.GameDate;
    state.FirmName = values.FirmName;
    state.CurrentPort = values.CurrentPort;
    for (const NumberField &field : NumberFields)
        state.*field.state = values.*field.saved;
    state.MillionaireShown = values.MillionaireShown;
}

SaveResult writeSavedGame(const GameState &state, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, describe(file)};
    const QByteArray bytes = savedGameBytes(savedValuesOf(state));
    // Flushed by hand: commit() does not notice a buffered write that fails (a full disk),
    // and would rename the truncated copy over the earlier file.
    if (file.write(bytes) != bytes.size() || !flushed(file)) {
        const QString error = describe(file);
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, describe(file)};
    return {};
}

LoadResult readSavedGame(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return LoadResult{std::nullopt, QStringLiteral("File not found")};
    // Opening a named pipe or a device could wait for ever; only plain files are games.
    const QFileInfo info(path);
    if (info.isDir())
        return LoadResult{std::nullopt, QStringLiteral("The path is a folder")};
    if (!info.isFile())
        return LoadResult{std::nullopt, QStringLiteral("Not a regular file")};
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult{std::nullopt, describe(file)};
    QByteArray bytes = file.read(MaxReadBytes);
    if (file.error() != QFileDevice::NoError)
        return LoadResult{std::nullopt, describe(file)};
    // Cut a long file at a line end, so no character is split at the limit.
    if (!file.atEnd())
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    return readSavedGameBytes(bytes);
}

LoadResult readSavedGameBytes(const QByteArray &bytes)
{
    return parseSavedGame(decode(bytes));
}

} // namespace Sardek
