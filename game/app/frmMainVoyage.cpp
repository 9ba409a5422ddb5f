// The main window's Leave Port order and the pirates its voyages meet.
#include "app/frmMain.h"

#include "battle/PirateWindowEncounter.h"
#include "voyage/frmLeave.h"

namespace Sardek
{

// The one place that decides what a voyage meets when it meets pirates.
std::unique_ptr<PirateEncounter> frmMain::createPirateEncounter()
{
    return std::make_unique<PirateWindowEncounter>(*this);
}

void frmMain::setPirateEncounter(std::unique_ptr<PirateEncounter> encounter)
{
    m_encounter = std::move(encounter);
}

// A voyage that lost the game (the ship sank and the player chose to play again) ends here:
// the Leave Port window has closed, and a new game must begin.
void frmMain::cmdLeave_Click()
{
    frmLeave(*this, *m_encounter).exec();
    if (!m_state.GameInProgress)
        showNewGame();
}

} // namespace Sardek
