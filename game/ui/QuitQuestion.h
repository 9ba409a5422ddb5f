#pragma once

class QWidget;

namespace Sardek
{

class Runtime;

/// Asks "Do you want to quit this game?" (Yes/No, question icon, the game's title) over
/// parent, as a close request does while a voyage or a battle runs; true for Yes.
bool AskToQuitGame(Runtime &runtime, QWidget *parent);

} // namespace Sardek
