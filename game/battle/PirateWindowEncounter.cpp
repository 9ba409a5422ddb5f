#include "battle/PirateWindowEncounter.h"

#include "battle/frmPirate.h"

namespace Sardek
{

void PirateWindowEncounter::MeetPirates(QWidget *owner)
{
    frmPirate battle(m_main, owner);
    battle.exec();
}

} // namespace Sardek
