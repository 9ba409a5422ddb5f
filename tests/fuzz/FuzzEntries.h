#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace Sardek::Fuzz
{

/// Reads bytes as a saved game's file: one read as good holds a real port and date and writes
/// back to a file that reads as the same game (but for quotation marks and line ends in the
/// firm's name, which the file cannot hold). Returns the broken promise, or empty.
QString savedGameProblem(const std::uint8_t *data, std::size_t size);

/// Reads bytes (UTF-8, as pasted) as an amount box's text: MakeNumber gives its ASCII digits'
/// number up to Currency::MaxWhole, TypedAmount agrees and calls longer numbers out of range,
/// and the box's list rises to the amount in at most 21 entries. Returns the broken promise.
QString amountProblem(const std::uint8_t *data, std::size_t size);

} // namespace Sardek::Fuzz
