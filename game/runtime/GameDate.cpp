#include "runtime/GameDate.h"

#include <QDate>

#include <algorithm>
#include <array>

namespace Sardek
{

namespace
{

// Julian day number of day 0, 30 Dec 1899.
constexpr qint64 JulianDayOfDayZero = 2415019;
// More months than lie between the two ends of the range, so clamping n changes no result.
constexpr int MonthSpan = 12 * 10000;

QDate toQDate(std::int32_t days)
{
    return QDate::fromJulianDay(JulianDayOfDayZero + days);
}

} // namespace

std::optional<GameDate> GameDate::fromDays(std::int64_t days)
{
    if (days < MinDay || days > MaxDay)
        return std::nullopt;
    return GameDate(static_cast<std::int32_t>(days));
}

std::optional<GameDate> GameDate::fromYmd(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return fromDays(date.toJulianDay() - JulianDayOfDayZero);
}

int GameDate::year() const
{
    return toQDate(m_days).year();
}

int GameDate::month() const
{
    return toQDate(m_days).month();
}

int GameDate::day() const
{
    return toQDate(m_days).day();
}

GameDate GameDate::addMonths(int n) const
{
    // QDate::addMonths keeps the day or falls back to the month's last day, as the game needs.
    const QDate moved = toQDate(m_days).addMonths(std::clamp(n, -MonthSpan, MonthSpan));
    const qint64 days = moved.toJulianDay() - JulianDayOfDayZero;
    return GameDate(static_cast<std::int32_t>(std::clamp<qint64>(days, MinDay, MaxDay)));
}

int GameDate::monthsBetween(GameDate from, GameDate to)
{
    const QDate a = toQDate(from.m_days);
    const QDate b = toQDate(to.m_days);
    return 12 * (b.year() - a.year()) + (b.month() - a.month());
}

QString GameDate::toString() const
{
    // Fixed English names, so the log reads the same whatever the locale.
    static constexpr std::array<const char *, 12> Months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = toQDate(m_days);
    return QStringLiteral("%1 %2, %3")
        .arg(QLatin1String(Months[date.month() - 1]))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace Sardek
