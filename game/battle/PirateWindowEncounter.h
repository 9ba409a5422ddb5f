#pragma once

#include "core/PirateEncounter.h"

namespace Sardek
{

class MainForm;

/// Battles met on a voyage in the battle window, modal over the voyage's window.
class PirateWindowEncounter final : public PirateEncounter
{
  public:
    explicit PirateWindowEncounter(MainForm &main) : m_main(main) {}

    void MeetPirates(QWidget *owner) override;

  private:
    MainForm &m_main;
};

} // namespace Sardek
