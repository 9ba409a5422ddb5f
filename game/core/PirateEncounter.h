#pragma once

class QObject;

namespace Sardek
{

/**
 * The seam between the voyage and the sea battle: a voyage step that meets pirates calls
 * MeetPirates() and waits for it. It returns once the battle is decided and its window closed
 * (victory, escape, the pirates driven off, or the ship sunk); after a sinking answered with
 * "play again" the record's GameInProgress is false and the voyage stops.
 */
class PirateEncounter
{
  public:
    virtual ~PirateEncounter() = default;

    /// owner is the window the battle is modal over (the hidden Leave Port window); null when
    /// the game runs without windows.
    virtual void MeetPirates(QObject *owner) = 0;
};

} // namespace Sardek
