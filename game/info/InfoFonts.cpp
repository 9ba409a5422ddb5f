#include "info/InfoFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace Sardek
{

namespace
{

constexpr int PointSize = 8;

// Whether the face gives the box-drawing and letter characters one width. The font system's
// own fixed-pitch flag is unreliable here: some monospaced faces are not marked as such.
bool hasUniformAdvance(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QLatin1Char('M'));
    for (const char c : {' ', '.', 'I', 'W', '=', '<', '>', '1'}) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) != width)
            return false;
    }
    return true;
}

QFont atPointSize(QFont font)
{
    font.setPointSize(PointSize);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

} // namespace

QFont sansSerifFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), PointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont fixedPitchFont()
{
    const QFont desktop = atPointSize(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (hasUniformAdvance(desktop))
        return desktop;
    // Some platform themes answer with their general, proportional face.
    QFont typewriter(QStringLiteral("monospace"));
    typewriter.setStyleHint(QFont::TypeWriter);
    typewriter.setFixedPitch(true);
    return atPointSize(typewriter);
}

} // namespace Sardek
