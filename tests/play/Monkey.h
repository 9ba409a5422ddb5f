#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace Sardek::Play
{

/// What a monkey run did.
struct MonkeyTally {
    long steps = 0;
    long programEnds = 0; ///< the game ended the program (a new main window came up)
};

/**
 * The real main window on MonkeyRuntime, with steps of random input to the active window:
 * clicks on its enabled buttons, keys and pasted text into a focused box, slider drags, the
 * main window's menu items, Esc, Enter and the close box. After each step the record's
 * invariants are checked. When the game ends the program, the open dialogs are closed and a
 * fresh main window starts. Deterministic for a seed; returns the first broken invariant with
 * its step.
 */
std::optional<QString> runMonkey(std::uint32_t seed, long steps, MonkeyTally &tally);

} // namespace Sardek::Play
