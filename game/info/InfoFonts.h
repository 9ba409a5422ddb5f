#pragma once

#include <QFont>

namespace Sardek
{

/// The dialog face of the help and About windows: "MS Sans Serif", 8 point, regular. Where the
/// family is missing the font system substitutes its sans-serif face; family() still names the
/// family asked for.
QFont sansSerifFont();

/// The desktop's fixed-pitch face at 8 point, regular, for text laid out in columns; where the
/// desktop names a proportional face, the font system's typewriter face instead.
QFont fixedPitchFont();

} // namespace Sardek
