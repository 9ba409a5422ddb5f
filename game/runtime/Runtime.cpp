#include "runtime/Runtime.h"

namespace Sardek
{

MsgBoxResult Runtime::MsgBox(const QString &prompt, MsgBoxStyle style, const QString &title,
                             QObject *parent)
{
    // Resolved here so that every implementation, the scripted one included, sees the title
    // the player would see.
    const QString shown = title.isEmpty() ? QString::fromLatin1(ApplicationTitle) : title;
    return showMessageBox(prompt, style, shown, parent);
}

float RndFromBits(std::uint32_t bits)
{
    // generate_canonical may round up to 1.0 in float; 24 bits fit a float's mantissa exactly.
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

} // namespace Sardek
