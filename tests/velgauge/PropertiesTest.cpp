#include <Velgauge/ControlFactory.h>
#include <Velgauge/ProgressBar.h>

#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using Velgauge::ProgressBar;

namespace
{

std::unique_ptr<ProgressBar> createNamed(const QString &name)
{
    QWidget *control = Velgauge::createControl(QStringLiteral("VelgaugeLib.ProgressBar"), name);
    return std::unique_ptr<ProgressBar>(qobject_cast<ProgressBar *>(control));
}

} // namespace

TEST(ControlFactory, CreatesGaugeNamedByHost_MatchingIdentifierWithoutCase)
{
    auto bar = createNamed(QStringLiteral("prgStatus"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->objectName(), "prgStatus");
    EXPECT_EQ(bar->caption(), "prgStatus");
    std::unique_ptr<QWidget> lower(Velgauge::createControl("velgaugelib.progressbar", "x"));
    EXPECT_NE(qobject_cast<ProgressBar *>(lower.get()), nullptr);
    EXPECT_EQ(Velgauge::createControl("VelgaugeLib.Slider", "x"), nullptr);
    EXPECT_EQ(Velgauge::createControl("", "x"), nullptr);
    EXPECT_EQ(Velgauge::registeredControls(), QStringList{"VelgaugeLib.ProgressBar"});
}

// Every property with its value in a new gauge; all are readable, all but SystemColors
// writable.
TEST(ProgressBarProperties, NewInstanceHasInitialValues)
{
    auto bar = createNamed(QStringLiteral("Gauge1"));
    const std::pair<const char *, QVariant> initial[] = {
        {"Alignment", QVariant::fromValue(ProgressBar::alnCenter)},
        {"BackColor", QVariant::fromValue(0x8000000Fu)},
        {"Caption", QStringLiteral("Gauge1")},
        {"Direction", QVariant::fromValue(ProgressBar::dirHorizontal)},
        {"FillColor", QVariant::fromValue(0x80000002u)},
        {"FillColorGradient", QVariant::fromValue(0xF0CAA6u)}, // system colour 27, as a literal
        {"FillMode", QVariant::fromValue(ProgressBar::fmBar)},
        {"Font", bar->font()},
        {"ForeColor", QVariant::fromValue(0x80000009u)},
        {"GradientFill", true},
        {"InvertText", false},
        {"MaxValue", 100.0},
        {"MinValue", 0.0},
        {"SystemColors", 16777216}, // the offscreen screen is 32 bits deep, capped at 24
        {"Value", 50.0}};
    const QMetaObject &meta = ProgressBar::staticMetaObject;
    EXPECT_EQ(meta.propertyCount() - meta.propertyOffset(), int(std::size(initial)));
    for (const auto &[name, value] : initial) {
        const QMetaProperty property = meta.property(meta.indexOfProperty(name));
        EXPECT_TRUE(property.isReadable()) << name;
        EXPECT_EQ(property.isWritable(), QLatin1String(name) != "SystemColors") << name;
        EXPECT_EQ(bar->property(name), value) << name;
    }
}

struct EnumCase {
    const char *enumName;
    std::vector<std::pair<const char *, int>> members;
};

class ProgressBarEnums : public ::testing::TestWithParam<EnumCase>
{
};

TEST_P(ProgressBarEnums, HaveTheirNamesAndValues)
{
    const EnumCase &expected = GetParam();
    const QMetaObject &meta = ProgressBar::staticMetaObject;
    const int index = meta.indexOfEnumerator(expected.enumName);
    ASSERT_GE(index, 0);
    const QMetaEnum metaEnum = meta.enumerator(index);
    ASSERT_EQ(metaEnum.keyCount(), int(expected.members.size()));
    for (const auto &[key, value] : expected.members)
        EXPECT_EQ(metaEnum.keyToValue(key), value) << key;
}

INSTANTIATE_TEST_SUITE_P(
    TypeLibrary, ProgressBarEnums,
    ::testing::Values(EnumCase{"Alignment", {{"alnLeft", 0}, {"alnRight", 1}, {"alnCenter", 2}}},
                      EnumCase{"Direction", {{"dirHorizontal", 0}, {"dirVertical", 1}}},
                      EnumCase{"FillMode", {{"fmBar", 0}, {"fm2DBlocks", 1}, {"fm3DBlocks", 2}}},
                      EnumCase{"EnumGradientFillDirection",
                               {{"gfdTopToBottom", 0}, {"gfdLeftToRight", 1}}},
                      EnumCase{"EnumGradientFillStyle", {{"gfsNormal", 0}, {"gfsMirrored", 1}}}));

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

TEST(ProgressBarNotification, EachSetterNotifiesOnce_UnchangedValuesDoNot)
{
    ProgressBar bar;
    QSignalSpy changed(&bar, &ProgressBar::propertyChanged);
    const std::vector<std::pair<const char *, QVariant>> settings{
        {"Alignment", QVariant::fromValue(ProgressBar::alnRight)},
        {"BackColor", QVariant::fromValue(quint32(0xFF))},
        {"Caption", QStringLiteral("Hold")},
        {"Direction", QVariant::fromValue(ProgressBar::dirVertical)},
        {"FillColor", QVariant::fromValue(quint32(0x808080))},
        {"FillColorGradient", QVariant::fromValue(quint32(0xFF00))},
        {"FillMode", QVariant::fromValue(ProgressBar::fm3DBlocks)},
        {"Font", QFont(QStringLiteral("DejaVu Sans"), 14)},
        {"ForeColor", QVariant::fromValue(quint32(0x80000007))},
        {"GradientFill", false},
        {"InvertText", true},
        {"MaxValue", 60.0},
        {"MinValue", 10.0},
        {"Value", 20.0},
    };
    for (const auto &[name, value] : settings) {
        const int before = int(changed.count());
        ASSERT_TRUE(bar.setProperty(name, value)) << name;
        EXPECT_EQ(bar.property(name), value) << name;
        EXPECT_EQ(changed.count(), before + 1) << name;
        bar.setProperty(name, value);
        EXPECT_EQ(changed.count(), before + 1) << name << " set twice";
    }
    const int before = int(changed.count()); // the caption font is the widget's, however set
    bar.setFont(QFont(QStringLiteral("DejaVu Serif"), 9));
    bar.setFont(QFont(QStringLiteral("DejaVu Serif"), 9));
    EXPECT_EQ(changed.count(), before + 1);
}

TEST(ProgressBarProperties, EveryPropertyCarriesItsHelpString)
{
    const QMetaObject &meta = ProgressBar::staticMetaObject;
    auto help = [&meta](const char *property) {
        const int index = meta.indexOfClassInfo(QByteArray("HelpString.") + property);
        return index < 0 ? QString() : QString::fromLatin1(meta.classInfo(index).value());
    };
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        EXPECT_FALSE(help(meta.property(i).name()).isEmpty()) << meta.property(i).name();
    EXPECT_EQ(help("Value"), "Sets/returns the current value displayed.\n"
                             "This value must be between MinValue and MaxValue.");
    EXPECT_EQ(help("BackColor"), "Sets/returns the color *behind* the bar/blocks.");
}
