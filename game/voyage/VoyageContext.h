#pragma once

#include "core/MainForm.h"

#include <QString>

namespace Sardek
{

struct GameState;
class Runtime;
class VoyageView;

/// What every step of a voyage works on: the record, the runtime and the view.
struct VoyageContext {
    GameState &state;
    Runtime &runtime;
    VoyageView &view;
};

/// A second line inside one log entry, under the text of the first: a line break and 23 blanks.
inline const QString Continuation = QStringLiteral("\r\n") + QString(23, QLatin1Char(' '));

/// The log's background in colour for 20 ms, then black again.
void flashLog(const VoyageContext &voyage, LogColour colour);

} // namespace Sardek
