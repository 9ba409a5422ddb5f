#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include "ProgressBar_p.h"
#include "SystemColors.h"

#include <QScopedValueRollback>

namespace Velgauge
{

namespace
{

constexpr qint32 DefaultAlignment = ProgressBar::alnCenter;
constexpr quint32 DefaultBackColor = SystemColorFlag | COLOR_BTNFACE;
constexpr quint32 DefaultFillColor = SystemColorFlag | COLOR_ACTIVECAPTION;
constexpr quint32 DefaultForeColor = SystemColorFlag | COLOR_CAPTIONTEXT;
// Stored forms treat a missing InvertText as set, although a new gauge starts without it.
constexpr bool StoredInvertTextDefault = true;

// Stored integers are 32-bit; a wider number keeps its low 32 bits, as a colour
// 0x80000007 arrives either as a negative 32-bit value or as a positive 64-bit one.
quint32 readInt32(const PropertyBag &bag, const QString &name, quint32 fallback)
{
    bool ok = false;
    const qlonglong number = bag.read(name).toLongLong(&ok);
    return ok ? quint32(quint64(number)) : fallback;
}

double readDouble(const PropertyBag &bag, const QString &name, double fallback)
{
    bool ok = false;
    const double number = bag.read(name).toDouble(&ok);
    return ok ? number : fallback;
}

bool readBool(const PropertyBag &bag, const QString &name, bool fallback)
{
    const QVariant stored = bag.read(name);
    return stored.canConvert<bool>() ? stored.toBool() : fallback;
}

void writeInt32(PropertyBag &bag, const QString &name, quint32 value, quint32 fallback)
{
    bag.write(name, qint32(value), qint32(fallback));
}

} // namespace

void ProgressBar::writeProperties(PropertyBag &bag) const
{
    writeInt32(bag, QStringLiteral("Alignment"), quint32(d->state.alignment), DefaultAlignment);
    bag.write(QStringLiteral("Caption"), d->caption);
    writeInt32(bag, QStringLiteral("BackColor"), d->look.backColor, DefaultBackColor);
    writeInt32(bag, QStringLiteral("Direction"), quint32(d->look.direction), dirHorizontal);
    writeInt32(bag, QStringLiteral("FillColor"), d->look.fillColor, DefaultFillColor);
    writeInt32(bag, QStringLiteral("FillColorGradient"), d->look.fillColorGradient,
               systemColor(COLOR_GRADIENTACTIVECAPTION));
    writeInt32(bag, QStringLiteral("FillMode"), quint32(d->look.fillMode), fmBar);
    writeInt32(bag, QStringLiteral("ForeColor"), d->state.foreColor, DefaultForeColor);
    bag.write(QStringLiteral("GradientFill"), d->look.gradientFill, true);
    bag.write(QStringLiteral("InvertText"), d->state.invertText, StoredInvertTextDefault);
    bag.write(QStringLiteral("Value"), d->state.value, 50.0);
    bag.write(QStringLiteral("Font"), font());
    bag.write(QStringLiteral("MaxValue"), d->state.maxValue, 100.0);
    bag.write(QStringLiteral("MinValue"), d->state.minValue, 0.0);
}

void ProgressBar::readProperties(const PropertyBag &bag)
{
    const QScopedValueRollback<bool> reading(d->reading, true);
    d->state.alignment = qint32(readInt32(bag, QStringLiteral("Alignment"), DefaultAlignment));
    d->caption = bag.read(QStringLiteral("Caption")).toString();
    d->look.backColor = readInt32(bag, QStringLiteral("BackColor"), DefaultBackColor);
    d->look.direction = qint32(readInt32(bag, QStringLiteral("Direction"), dirHorizontal));
    d->look.fillColor = readInt32(bag, QStringLiteral("FillColor"), DefaultFillColor);
    d->look.fillColorGradient = readInt32(bag, QStringLiteral("FillColorGradient"),
                                          systemColor(COLOR_GRADIENTACTIVECAPTION));
    d->look.fillMode = qint32(readInt32(bag, QStringLiteral("FillMode"), fmBar));
    d->state.foreColor = readInt32(bag, QStringLiteral("ForeColor"), DefaultForeColor);
    d->look.gradientFill = readBool(bag, QStringLiteral("GradientFill"), true);
    d->state.invertText = readBool(bag, QStringLiteral("InvertText"), StoredInvertTextDefault);
    // Taken as stored: a form may hold a value outside its range, and it stays so.
    d->state.value = readDouble(bag, QStringLiteral("Value"), 50.0);
    const QVariant storedFont = bag.read(QStringLiteral("Font"));
    if (storedFont.canConvert<QFont>())
        setFont(storedFont.value<QFont>());
    d->state.maxValue = readDouble(bag, QStringLiteral("MaxValue"), 100.0);
    d->state.minValue = readDouble(bag, QStringLiteral("MinValue"), 0.0);
    update();
}

} // namespace Velgauge
