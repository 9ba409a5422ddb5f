#pragma once

namespace Sardek
{

/// The game's version, as the About window and --version show it.
inline constexpr char GameVersion[] = "1.11";

} // namespace Sardek
