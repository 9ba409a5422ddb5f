#pragma once

#include "core/PirateEncounter.h"

namespace Sardek
{

class MainWindow;

/// Battles met on a voyage in the battle window, modal over the voyage's window.
class PirateWindowEncounter final : public PirateEncounter
{
  public:
    explicit PirateWindowEncounter(MainWindow &main) : m_main(main) {}

    void MeetPirates(QObject *owner) override;

  private:
    MainWindow &m_main;
};

} // namespace Sardek
