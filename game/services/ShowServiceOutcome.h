#pragma once

#include "core/Outcome.h"

class QDialog;

namespace Sardek
{

class MainWindow;

/**
 * Shows outcome on the main window: moves the log's caret to the end (also for a refusal, which
 * logs nothing), appends its log entries, then either shows the refusal
 * ("Sorry", information icon) over dialog, which stays open, or closes dialog as accepted.
 */
void finishService(MainWindow &main, QDialog &dialog, const Outcome &outcome);

} // namespace Sardek
