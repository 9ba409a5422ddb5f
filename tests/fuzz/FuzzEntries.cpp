#include "FuzzEntries.h"

#include "Play.h"

#include "core/GameState.h"
#include "core/SavedGame.h"
#include "runtime/FillAmountList.h"
#include "runtime/MakeNumber.h"
#include "services/TypedAmount.h"

#include <algorithm>
#include <functional>

namespace Sardek::Fuzz
{

namespace
{

// The digits' number, or std::nullopt past MaxWhole.
std::optional<Currency::Raw> digitsValue(QStringView text)
{
    Currency::Raw value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        if (value > (Currency::MaxWhole - (c.unicode() - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QString listProblem(Currency most)
{
    const std::vector<Currency> list = FillAmountList(most);
    if (list.empty() || list.size() > 21 || list.back() != most)
        return QStringLiteral("the list does not end at the amount");
    const bool rises =
        std::adjacent_find(list.begin(), list.end(), std::greater_equal<>()) == list.end();
    return rises ? QString() : QStringLiteral("the list does not rise");
}

} // namespace

QString savedGameProblem(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LoadResult read = readSavedGameBytes(bytes);
    if (!read.values)
        return read.error.isEmpty() ? QStringLiteral("refused without a reason") : QString();
    if (!PortNames.contains(read.values->CurrentPort))
        return QStringLiteral("no such port: ") + read.values->CurrentPort;
    GameState state;
    applySavedValues(*read.values, state);
    return Play::roundTripProblem(state);
}

QString amountProblem(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Currency::Raw> expected = digitsValue(text);
    const Currency made = MakeNumber(text);
    if (made != Currency(expected.value_or(Currency::MaxWhole)))
        return QStringLiteral("MakeNumber gave ") + QString::number(made.raw());
    const TypedAmount typed(text);
    if (typed.value() != (expected ? std::optional(made) : std::nullopt))
        return QStringLiteral("the typed amount disagrees with MakeNumber");
    if (typed.isPositive() != (!expected || *expected > 0))
        return QStringLiteral("the typed amount's sign is wrong");
    return listProblem(made);
}

} // namespace Sardek::Fuzz
