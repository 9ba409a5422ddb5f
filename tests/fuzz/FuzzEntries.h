#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace Sardek::Fuzz
{

/**
 * Reads bytes as a saved game's file. A file read as good must hold a real port and a real
 * date, and write back to a file that reads as the same game (but for quotation marks and
 * line ends in the firm's name, which the file cannot hold). Returns the broken promise, or
 * an empty text.
 */
QString savedGameProblem(const std::uint8_t *data, std::size_t size);

/**
 * Reads bytes (UTF-8, as pasted) as the text of an amount box: MakeNumber must give its ASCII
 * digits' number, stopping at Currency::MaxWhole, TypedAmount must agree and call longer
 * numbers out of range, and the box's list for that amount must rise to it in at most 21
 * entries. Returns the broken promise, or an empty text.
 */
QString amountProblem(const std::uint8_t *data, std::size_t size);

} // namespace Sardek::Fuzz
