#pragma once

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace Sardek
{

/**
 * A game date: a whole number of days counted from day 0 = 30 Dec 1899 (15 Jan 1860 is day
 * -14594). Dates run from 1 Jan 100 (day MinDay) to 31 Dec 9999 (day MaxDay); nothing creates
 * a date outside, and month arithmetic that would leave the range stops at its end.
 * The default date is day 0.
 */
class GameDate
{
  public:
    static constexpr std::int32_t MinDay = -657434;
    static constexpr std::int32_t MaxDay = 2958465;

    constexpr GameDate() = default;
    /// std::nullopt outside MinDay..MaxDay.
    static std::optional<GameDate> fromDays(std::int64_t days);
    /// std::nullopt for a day the month lacks (Feb 30) or a date outside the range.
    static std::optional<GameDate> fromYmd(int year, int month, int day);

    constexpr std::int32_t days() const { return m_days; }
    int year() const;
    /// 1 to 12.
    int month() const;
    /// 1 to 31.
    int day() const;

    /// The same day n calendar months later (earlier for negative n); a day the target month
    /// lacks becomes its last day (31 Jan 1861 + 1 month = 28 Feb 1861).
    GameDate addMonths(int n) const;
    /// The calendar-month boundaries crossed from `from` to `to`: 12 * (year difference) +
    /// (month difference), whatever the days; negative when `to` is the earlier month.
    static int monthsBetween(GameDate from, GameDate to);

    /// "mmm dd, yyyy" in English: "Jan 15, 1860", "Mar 05, 1861"; the year has four digits.
    QString toString() const;

    friend constexpr auto operator<=>(GameDate, GameDate) = default;

  private:
    explicit constexpr GameDate(std::int32_t days) : m_days(days) {}

    std::int32_t m_days = 0;
};

} // namespace Sardek
