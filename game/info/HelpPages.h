#pragma once

#include <QString>

namespace Sardek
{

/// The four pages of the help window.
enum class HelpPage { Introduction, Instructions, Hints, MoneyLenderBug };

/// Width of every line of the Instructions page, in characters.
inline constexpr int InstructionColumns = 40;

/**
 * The text of a page, as the help window shows it. Prose pages hold one paragraph per line,
 * paragraphs parted by a blank line, for the text box to wrap. The Instructions page is laid
 * out in columns: every line is InstructionColumns characters (padded with blanks), upper case,
 * and ends with a line break, so it must be shown unwrapped in a fixed-pitch font.
 */
QString helpPageText(HelpPage page);

} // namespace Sardek
