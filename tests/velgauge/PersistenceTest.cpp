#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

using Velgauge::ProgressBar;
using Velgauge::PropertyBag;

TEST(PropertyBag, MatchesNamesWithoutCase_KeepsFirstOrderAndName_DropsDefaults)
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
    EXPECT_TRUE(bag.isEmpty());
}

TEST(ProgressBarPersistence, AllDefaults_WriteOnlyCaptionInvertTextAndFont)
{
    ProgressBar bar;
    bar.setCaption("Gauge1");
    PropertyBag bag;
    bar.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"Caption", "InvertText", "Font"}));
    EXPECT_EQ(bag.read("InvertText"), QVariant(false));
    EXPECT_EQ(bag.read("Caption"), QVariant("Gauge1"));
}

TEST(ProgressBarPersistence, ChangedPropertiesAreWrittenInFixedOrder_AndReadBackAlike)
{
    ProgressBar original;
    original.setAlignment(ProgressBar::alnRight);
    original.setCaption("Hold");
    original.setBackColor(0x80000007);
    original.setDirection(ProgressBar::dirVertical);
    original.setFillColor(0x808080);
    original.setFillColorGradient(0x80000003);
    original.setFillMode(ProgressBar::fm3DBlocks);
    original.setForeColor(0x123456);
    original.setGradientFill(false);
    original.setInvertText(true);
    original.setCaptionFont(QFont("DejaVu Serif", 11, QFont::Bold));
    original.setMaxValue(250.5);
    original.setMinValue(-12.25);
    original.setValue(-3.125);
    PropertyBag bag;
    original.writeProperties(bag);
    // InvertText True is the stored default, so it is the entry left out.
    EXPECT_EQ(bag.names(), (QStringList{"Alignment", "Caption", "BackColor", "Direction",
                                        "FillColor", "FillColorGradient", "FillMode", "ForeColor",
                                        "GradientFill", "Value", "Font", "MaxValue", "MinValue"}));
    EXPECT_EQ(bag.read("BackColor").toInt(), qint32(0x80000007));

    ProgressBar copy;
    copy.readProperties(bag);
    for (const char *name : {"Alignment", "Caption", "BackColor", "Direction", "FillColor",
                             "FillColorGradient", "FillMode", "ForeColor", "GradientFill",
                             "InvertText", "MaxValue", "MinValue", "Value", "Font"})
        EXPECT_EQ(copy.property(name), original.property(name)) << name;
}

TEST(ProgressBarPersistence, MissingOrUnreadableEntriesReadAsDefaults_InvertTextAsTrue)
{
    ProgressBar bar;
    bar.setValue(10);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.setCaption("Gauge1");
    bar.readProperties(PropertyBag{});
    EXPECT_TRUE(bar.invertText());
    EXPECT_EQ(bar.caption(), QString());
    EXPECT_EQ(bar.value(), 50);
    EXPECT_EQ(bar.fillMode(), ProgressBar::fmBar);
    EXPECT_EQ(bar.fillColorGradient(), 0xF0CAA6u);
    bar.setBackColor(0xFF);
    bar.setValue(10);
    bar.readProperties(PropertyBag{{"BackColor", "not a colour"}, {"Value", "many"}});
    EXPECT_EQ(std::pair(bar.backColor(), bar.value()), std::pair(0x8000000Fu, 50.0));
}

TEST(ProgressBarPersistence, StoredValueOutsideRange_IsKeptWithoutBeep)
{
    ProgressBar bar;
    QSignalSpy rejected(&bar, &ProgressBar::valueRejected);
    QSignalSpy changed(&bar, &ProgressBar::propertyChanged);
    bar.readProperties(PropertyBag{
        {"value", 75.0}, {"maxvalue", 60.0}, {"minvalue", 80.0}, {"font", QFont("Serif", 13)}});
    EXPECT_EQ(std::tuple(bar.value(), bar.maxValue(), bar.minValue()), std::tuple(75, 60, 80));
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_EQ(changed.count(), 0);
}

// The main window's hold gauge as stored: names in lower case, colours as 32-bit integers.
TEST(ProgressBarPersistence, ReadsTheMainWindowsLowerCaseHoldGauge)
{
    const PropertyBag hold{{"caption", QString()},  {"backcolor", qint32(0x80000007)},
                           {"fillcolor", 0x808080}, {"fillcolorgradient", 65280},
                           {"fillmode", 2},         {"gradientfill", false},
                           {"inverttext", false},   {"value", 0.0},
                           {"maxvalue", 60.0},      {"font", QFont("MS Sans Serif", 8)},
                           {"_extentx", 3000},      {"_extenty", 400}};
    ProgressBar bar;
    bar.readProperties(hold);
    EXPECT_EQ(std::tuple(bar.caption(), bar.backColor(), bar.fillColor(), bar.fillColorGradient()),
              std::tuple(QString(), 0x80000007u, 0x808080u, 65280u));
    EXPECT_EQ(std::tuple(bar.fillMode(), bar.alignment(), bar.gradientFill(), bar.invertText()),
              std::tuple(ProgressBar::fm3DBlocks, ProgressBar::alnCenter, false, false));
    EXPECT_EQ(std::tuple(bar.value(), bar.maxValue(), bar.minValue()), std::tuple(0, 60, 0));
    EXPECT_EQ(bar.font().family(), "MS Sans Serif");
    ProgressBar wide; // the same colour stored as a 64-bit integer
    wide.readProperties(PropertyBag{{"BackColor", qint64(0x80000007)}});
    EXPECT_EQ(wide.backColor(), 0x80000007u);
}
