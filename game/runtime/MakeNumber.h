#pragma once

#include "runtime/Currency.h"

#include <QStringView>

namespace Sardek
{

/**
 * The amount typed or picked into an amount box: the ASCII digits "0" to "9" of text read as
 * one decimal whole number, every other character skipped ("$1,500" and "1500" give 1500,
 * "-25" gives 25, "2.5" gives 25, a text without digits gives 0). Never negative. A number
 * beyond the range stops at Currency::MaxWhole (922,337,203,685,477), so digit strings of
 * any length are safe.
 */
Currency MakeNumber(QStringView text);

} // namespace Sardek
