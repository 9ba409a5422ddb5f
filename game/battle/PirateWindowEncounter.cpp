#include "battle/PirateWindowEncounter.h"

#include "battle/frmPirate.h"
#include "ui/OwnerWidget.h"

namespace Sardek
{

void PirateWindowEncounter::MeetPirates(QObject *owner)
{
    frmPirate battle(m_main, ownerWidget(owner));
    battle.exec();
}

} // namespace Sardek
