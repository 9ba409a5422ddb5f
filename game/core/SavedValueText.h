#pragma once

#include "runtime/Currency.h"
#include "runtime/GameDate.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace Sardek
{

/**
 * The text forms of single values in a saved game, the same whatever the desktop's regional
 * settings.
 */

// Numbers are written by PlainNumber() (runtime/Formats.h), as the main window shows them.

enum class NumberReading {
    Ok,
    NotANumber, ///< not an optional sign, digits and an optional period with decimals
    OutOfRange, ///< a number, but beyond what Currency holds
};
/**
 * Reads a number written by savedNumberText(), or more loosely: a leading "+", no digits
 * before or after the period (".5", "7.") and leading zeros are accepted; more than four
 * decimals round to the nearest ten-thousandth, halves to even. value is set only when Ok.
 */
NumberReading readSavedNumber(QStringView text, Currency &value);

/// "yyyy-mm-dd", the inside of a saved date: "1860-01-15".
QString savedDateText(GameDate date);
/// Reads "y-m-d" (up to 4, 2 and 2 digits); std::nullopt for other text and for days that do
/// not exist (1860-02-30).
std::optional<GameDate> readSavedDate(QStringView text);

} // namespace Sardek
