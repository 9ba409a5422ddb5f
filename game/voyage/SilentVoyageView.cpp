#include "voyage/SilentVoyageView.h"

#include "core/GameState.h"

namespace Sardek
{

void SilentVoyageView::appendLogEntry(const QString &entry)
{
    m_log.append(m_state.GameDate, entry);
}

} // namespace Sardek
