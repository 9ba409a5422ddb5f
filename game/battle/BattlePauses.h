#pragma once

#include <cstdint>

namespace Sardek::BattlePauses
{

// Milliseconds of each pause, as a battle normally goes and while fighting to the death.
inline constexpr std::uint32_t Step = 2000, StepToDeath = 500;
inline constexpr std::uint32_t Shot = 200, ShotToDeath = 50;
/// Between the frames of a sinking pirate; none while fighting to the death.
inline constexpr std::uint32_t SinkFrame = 5;
inline constexpr std::uint32_t RunStart = 2500, RunOutcome = 2000;
/// How long the fleet's background shows red for a hit.
inline constexpr std::uint32_t HitFlash = 10;

/// The frames of a sinking pirate.
inline constexpr int SinkFrames = 48;

} // namespace Sardek::BattlePauses
