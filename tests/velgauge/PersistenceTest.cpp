#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

using Velgauge::ProgressBar;
using Velgauge::PropertyBag;

TEST(PropertyBag, MatchesNamesWithoutCase_KeepsFirstOrderAndName)
{
    PropertyBag bag;
    bag.write("Caption", "a");
    bag.write("Value", 3.0);
    bag.write("CAPTION", "b");
    EXPECT_EQ(bag.names(), (QStringList{"Caption", "Value"}));
    EXPECT_EQ(bag.read("caption").toString(), "b");
    EXPECT_EQ(bag.read("missing", 7).toInt(), 7);
}

TEST(PropertyBag, ValueEqualToDefault_IsNotStoredAndDropsEarlierEntry)
{
    PropertyBag bag;
    bag.write("Value", 20.0, 50.0);
    EXPECT_TRUE(bag.contains("value"));
    bag.write("Value", 50.0, 50.0);
    EXPECT_FALSE(bag.contains("value"));
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

TEST(ProgressBarPersistence, EveryChangedProperty_IsWrittenInFixedOrder)
{
    ProgressBar bar;
    bar.setAlignment(ProgressBar::alnLeft);
    bar.setBackColor(0x80000007);
    bar.setDirection(ProgressBar::dirVertical);
    bar.setFillColor(0xFF);
    bar.setFillColorGradient(0xFF00);
    bar.setFillMode(ProgressBar::fm2DBlocks);
    bar.setForeColor(0xFFFFFF);
    bar.setGradientFill(false);
    bar.setInvertText(true);
    bar.setValue(5);
    bar.setMaxValue(60);
    bar.setMinValue(1);
    PropertyBag bag;
    bar.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"Alignment", "Caption", "BackColor", "Direction",
                                        "FillColor", "FillColorGradient", "FillMode", "ForeColor",
                                        "GradientFill", "Value", "Font", "MaxValue", "MinValue"}));
    // InvertText True is the stored default, so it is the entry left out.
    EXPECT_FALSE(bag.contains("InvertText"));
    EXPECT_EQ(bag.read("BackColor").toInt(), qint32(0x80000007));
}

TEST(ProgressBarPersistence, RoundTrip_RestoresEveryProperty)
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
    original.setCaptionFont(QFont("DejaVu Serif", 11, QFont::Bold));
    original.setMaxValue(250.5);
    original.setMinValue(-12.25);
    original.setValue(-3.125);
    PropertyBag bag;
    original.writeProperties(bag);

    ProgressBar copy;
    copy.readProperties(bag);
    for (const char *name : {"Alignment", "Caption", "BackColor", "Direction", "FillColor",
                             "FillColorGradient", "FillMode", "ForeColor", "GradientFill",
                             "InvertText", "MaxValue", "MinValue", "Value", "Font"})
        EXPECT_EQ(copy.property(name), original.property(name)) << name;
}

TEST(ProgressBarPersistence, MissingEntriesReadAsDefaults_InvertTextAsTrue)
{
    ProgressBar bar;
    bar.setValue(10);
    bar.setFillMode(ProgressBar::fm3DBlocks);
    bar.readProperties(PropertyBag{});
    EXPECT_TRUE(bar.invertText());
    EXPECT_EQ(bar.caption(), QString());
    EXPECT_EQ(bar.value(), 50);
    EXPECT_EQ(bar.fillMode(), ProgressBar::fmBar);
    EXPECT_EQ(bar.fillColorGradient(), 0xF0CAA6u);
}

TEST(ProgressBarPersistence, StoredValueOutsideRange_IsKeptWithoutBeep)
{
    ProgressBar bar;
    QSignalSpy rejected(&bar, &ProgressBar::valueRejected);
    QSignalSpy changed(&bar, &ProgressBar::propertyChanged);
    bar.readProperties(PropertyBag{
        {"value", 75.0}, {"maxvalue", 60.0}, {"minvalue", 80.0}, {"font", QFont("Serif", 13)}});
    EXPECT_EQ(bar.value(), 75);
    EXPECT_EQ(bar.maxValue(), 60);
    EXPECT_EQ(bar.minValue(), 80);
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_EQ(changed.count(), 0);
}

TEST(ProgressBarPersistence, ReadsTheMainWindowsLowerCaseHoldGauge)
{
    const PropertyBag hold{{"caption", QString()},
                           {"backcolor", qint32(0x80000007)},
                           {"fillcolor", 0x808080},
                           {"fillcolorgradient", 65280},
                           {"fillmode", 2},
                           {"gradientfill", false},
                           {"inverttext", false},
                           {"value", 0.0},
                           {"font", QFont("MS Sans Serif", 8)},
                           {"maxvalue", 60.0},
                           {"_extentx", 3000},
                           {"_extenty", 400}};
    ProgressBar bar;
    bar.readProperties(hold);
    EXPECT_EQ(bar.caption(), "");
    EXPECT_EQ(bar.backColor(), 0x80000007u);
    EXPECT_EQ(bar.fillColor(), 0x808080u);
    EXPECT_EQ(bar.fillColorGradient(), 65280u);
    EXPECT_EQ(bar.fillMode(), ProgressBar::fm3DBlocks);
    EXPECT_FALSE(bar.gradientFill());
    EXPECT_FALSE(bar.invertText());
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.maxValue(), 60);
    EXPECT_EQ(bar.minValue(), 0);
    EXPECT_EQ(bar.alignment(), ProgressBar::alnCenter);
    EXPECT_EQ(bar.font().family(), "MS Sans Serif");
}

TEST(ProgressBarPersistence, ColourStoredAsWideOrNarrowInteger_ReadsAlike)
{
    ProgressBar narrow, wide, text;
    narrow.readProperties(PropertyBag{{"BackColor", qint32(0x80000007)}});
    wide.readProperties(PropertyBag{{"BackColor", qint64(0x80000007)}});
    text.readProperties(PropertyBag{{"BackColor", "not a colour"}, {"Value", "many"}});
    EXPECT_EQ(narrow.backColor(), 0x80000007u);
    EXPECT_EQ(wide.backColor(), 0x80000007u);
    EXPECT_EQ(text.backColor(), 0x8000000Fu);
    EXPECT_EQ(text.value(), 50);
}
