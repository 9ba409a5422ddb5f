#include <Velgauge/ControlFactory.h>
#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using Velgauge::ProgressBar;
using Velgauge::PropertyBag;

// The factory makes a gauge, its identifier matched without case, named by its host, and
// nothing else. Every property with its initial value and help text, all readable, all but
// SystemColors writable. Set to something new, each notifies once, set again not at all; then
// all are written in a fixed order, without those at their stored defaults (InvertText set is
// one), and read back alike.
TEST(ProgressBarProperties,
     MadeByFactory_InitialValuesAndHelp_EachChangeNotifiesOnce_AllSurviveStoring)
{
    EXPECT_EQ(Velgauge::createControl("VelgaugeLib.Slider", "x"), nullptr);
    EXPECT_EQ(Velgauge::createControl("", "x"), nullptr);
    EXPECT_EQ(Velgauge::registeredControls(), QStringList{"VelgaugeLib.ProgressBar"});
    std::unique_ptr<ProgressBar> bar(
        qobject_cast<ProgressBar *>(Velgauge::createControl("velgaugelib.progressbar", "Gauge1")));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->objectName(), "Gauge1");
    QSignalSpy changed(bar.get(), &ProgressBar::propertyChanged);
    const QMetaObject &meta = ProgressBar::staticMetaObject;
    const auto helpString = [&meta](const char *property) {
        const int index = meta.indexOfClassInfo(QByteArray("HelpString.") + property);
        return index < 0 ? QString() : QString::fromLatin1(meta.classInfo(index).value());
    };
    const auto v = [](auto value) { return QVariant::fromValue(value); };
    const std::tuple<const char *, QVariant, QVariant> properties[] = {
        {"Alignment", v(ProgressBar::alnCenter), v(ProgressBar::alnRight)},
        {"BackColor", v(0x8000000Fu), v(0x80000007u)},
        {"Caption", QStringLiteral("Gauge1"), QStringLiteral("Hold")},
        {"Direction", v(ProgressBar::dirHorizontal), v(ProgressBar::dirVertical)},
        {"FillColor", v(0x80000002u), v(0x808080u)},
        {"FillColorGradient", v(0xF0CAA6u), v(0x80000003u)}, // system colour 27, as a literal
        {"FillMode", v(ProgressBar::fmBar), v(ProgressBar::fm3DBlocks)},
        {"Font", bar->font(), QFont(QStringLiteral("DejaVu Sans"), 14)},
        {"ForeColor", v(0x80000009u), v(0x123456u)},
        {"GradientFill", true, false},
        {"InvertText", false, true},
        {"MaxValue", 100.0, 250.5},
        {"MinValue", 0.0, -12.25},
        {"SystemColors", 16777216, {}}, // the offscreen screen is 32 bits deep, capped at 24
        {"Value", 50.0, -3.125}};
    int stored = 0; // beside these, colour views that forms do not store
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        stored += meta.property(i).isStored();
    EXPECT_EQ(stored, int(std::size(properties)));
    for (const auto &[name, initial, changedTo] : properties) {
        const QMetaProperty property = meta.property(meta.indexOfProperty(name));
        EXPECT_TRUE(property.isReadable()) << name;
        EXPECT_EQ(property.isWritable(), changedTo.isValid()) << name;
        EXPECT_EQ(bar->property(name), initial) << name;
        EXPECT_FALSE(helpString(name).isEmpty()) << name;
        if (!property.isWritable())
            continue;
        const int before = int(changed.count());
        ASSERT_TRUE(bar->setProperty(name, changedTo)) << name;
        EXPECT_EQ(bar->property(name), changedTo) << name;
        EXPECT_EQ(changed.count(), before + 1) << name;
        bar->setProperty(name, changedTo);
        EXPECT_EQ(changed.count(), before + 1) << name << " set twice";
    }
    EXPECT_EQ(helpString("Value"), "Sets/returns the current value displayed.\n"
                                   "This value must be between MinValue and MaxValue.");
    EXPECT_EQ(helpString("BackColor"), "Sets/returns the color *behind* the bar/blocks.");
    const int before = int(changed.count()); // the caption font is the widget's, however set
    bar->setFont(QFont(QStringLiteral("DejaVu Serif"), 9, QFont::Bold));
    bar->setFont(QFont(QStringLiteral("DejaVu Serif"), 9, QFont::Bold));
    EXPECT_EQ(changed.count(), before + 1);

    PropertyBag bag;
    bar->writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"Alignment", "Caption", "BackColor", "Direction",
                                        "FillColor", "FillColorGradient", "FillMode", "ForeColor",
                                        "GradientFill", "Value", "Font", "MaxValue", "MinValue"}));
    EXPECT_EQ(bag.read("BackColor").toInt(), qint32(0x80000007));
    ProgressBar copy;
    copy.readProperties(bag);
    for (const auto &property : properties)
        EXPECT_EQ(copy.property(std::get<0>(property)), bar->property(std::get<0>(property)))
            << std::get<0>(property);
}

// Both ends are accepted; beyond them, also through the property system, the value is refused
// without a change. Moving an end past the value pulls it along, else keeps it.
TEST(ProgressBarRange, AcceptsBothEnds_RefusesOutside_EndsPullTheValue)
{
    ProgressBar bar;
    QSignalSpy changed(&bar, &ProgressBar::propertyChanged);
    QSignalSpy rejected(&bar, &ProgressBar::valueRejected);
    bar.setValue(100);
    bar.setValue(0);
    EXPECT_EQ(changed.count(), 2);
    for (double refused : {100.0001, -0.0001, 1e300, -double(INFINITY), double(NAN)}) {
        bar.setValue(refused);
        EXPECT_EQ(bar.value(), 0) << refused;
    }
    EXPECT_TRUE(bar.setProperty("Value", 250.0));
    EXPECT_EQ(bar.property("Value").toDouble(), 0);
    EXPECT_EQ(rejected.count(), 6);
    bar.setMaxValue(1000);
    bar.setMinValue(-1000);
    EXPECT_EQ(bar.value(), 0);
    bar.setValue(80);
    bar.setMaxValue(60); // pulls the value down
    EXPECT_EQ(bar.value(), 60);
    bar.setMinValue(70); // may pass MaxValue: neither end is checked against the other
    EXPECT_EQ(std::tuple(bar.minValue(), bar.maxValue(), bar.value()), std::tuple(70, 60, 70));
    EXPECT_EQ(changed.count(), 7);
}

// The bag matches names without case and keeps the first spelling and order. A new gauge
// writes only its caption, InvertText (stored forms take a missing one as set) and font. A stored
// form is taken as it is, whatever the case of its names: missing or unreadable entries as the
// stored defaults, a value outside its range without a beep, a colour stored as a 64-bit integer
// by its low 32 bits.
TEST(ProgressBarPersistence, BagIgnoresCase_DefaultsAreLeftOut_StoredFormIsTakenAsItIs)
{
    PropertyBag bag;
    bag.write("Caption", "a");
    bag.write("Value", 3.0);
    bag.write("CAPTION", "b");
    EXPECT_EQ(bag.names(), (QStringList{"Caption", "Value"}));
    EXPECT_EQ(bag.read("caption").toString(), "b");
    EXPECT_EQ(bag.read("missing", 7).toInt(), 7);
    EXPECT_TRUE(bag.contains("value"));
    bag.write("Value", 50.0, 50.0); // equal to its default: the earlier entry goes too
    EXPECT_FALSE(bag.contains("value"));
    bag.write("Caption", 1.0, 1.0);
    ASSERT_TRUE(bag.isEmpty());

    ProgressBar bar;
    bar.setCaption("Gauge1");
    bar.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"Caption", "InvertText", "Font"}));
    EXPECT_EQ(std::pair(bag.read("Caption"), bag.read("InvertText")),
              std::pair(QVariant("Gauge1"), QVariant(false)));
    bar.setValue(10);
    bar.setAlignment(ProgressBar::alnLeft);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.readProperties(PropertyBag{});
    EXPECT_EQ(
        std::tuple(bar.invertText(), bar.caption(), bar.value(), bar.alignment(), bar.fillMode(),
                   bar.fillColorGradient()),
        std::tuple(true, QString(), 50.0, ProgressBar::alnCenter, ProgressBar::fmBar, 0xF0CAA6u));
    bar.setBackColor(0xFF);
    bar.setValue(10);
    bar.readProperties(PropertyBag{{"BackColor", "not a colour"}, {"Value", "many"}});
    EXPECT_EQ(std::pair(bar.backColor(), bar.value()), std::pair(0x8000000Fu, 50.0));
    QSignalSpy rejected(&bar, &ProgressBar::valueRejected);
    QSignalSpy changed(&bar, &ProgressBar::propertyChanged);
    bar.readProperties(PropertyBag{{"value", 75.0},
                                   {"maxvalue", 60.0},
                                   {"minvalue", 80.0},
                                   {"font", QFont("Serif", 13)},
                                   {"backcolor", qint64(0x80000007)}});
    EXPECT_EQ(std::tuple(bar.value(), bar.maxValue(), bar.minValue()), std::tuple(75, 60, 80));
    EXPECT_EQ(std::pair(bar.font().family(), bar.backColor()),
              std::pair(QString("Serif"), 0x80000007u));
    EXPECT_EQ(rejected.count() + changed.count(), 0) << "neither a beep nor a notice";
}

// Colour values as QColor, for hosts with colour editors: system colours from the fixed
// classic table (button face is 212, 208, 200), literals with red in the low byte. Each colour
// property has such a view, which forms do not store: writing it stores a literal number.
TEST(ProgressBarColours, SystemColoursFromTheFixedTable_ViewsWriteLiteralNumbers)
{
    EXPECT_EQ(ProgressBar::toColor(0x8000000F), QColor(212, 208, 200));
    EXPECT_EQ(ProgressBar::toColor(0x80001234), QColor(Qt::black)); // no such system colour
    EXPECT_EQ(ProgressBar::fromColor(QColor(0x12, 0x34, 0x56, 0x80)), 0x563412u);
    ProgressBar bar;
    QSignalSpy changed(&bar, &ProgressBar::propertyChanged);
    const QMetaObject &meta = ProgressBar::staticMetaObject;
    for (const char *name : {"BackColor", "FillColor", "FillColorGradient", "ForeColor"}) {
        const QByteArray view = QByteArray(name) + "Rgb";
        EXPECT_FALSE(meta.property(meta.indexOfProperty(view)).isStored()) << name;
        bar.setProperty(name, 0x80000010u); // button shadow
        EXPECT_EQ(bar.property(view), QColor(128, 128, 128)) << name;
        bar.setProperty(view, QColor(Qt::red));
        EXPECT_EQ(bar.property(name), QVariant(0x0000FFu)) << name;
    }
    EXPECT_EQ(changed.count(), 8);
    PropertyBag bag;
    bar.writeProperties(bag);
    EXPECT_FALSE(bag.contains("BackColorRgb"));
    EXPECT_EQ(bag.read("BackColor"), QVariant(0x0000FF));
}
