#include <Velgauge/ProgressBar.h>

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

#include <memory>

using Velgauge::ProgressBar;

TEST(DesignerPlugin, OffersAGaugeInTheVelgaugeGroup)
{
    QPluginLoader loader(QStringLiteral(VELGAUGE_DESIGNER_PLUGIN));
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    // Forms name the class as the meta-object does; the generated code includes the header.
    EXPECT_EQ(plugin->name(), ProgressBar::staticMetaObject.className());
    EXPECT_EQ(plugin->group(), "Velgauge");
    EXPECT_EQ(plugin->includeFile(), "Velgauge/ProgressBar.h");
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_TRUE(plugin->domXml().contains(R"(class="Velgauge::ProgressBar")"));
    QWidget form;
    auto *gauge = qobject_cast<ProgressBar *>(plugin->createWidget(&form));
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->parentWidget(), &form);
}

TEST(DesignerForm, LoadsTwoGaugesWithTheirDesignedProperties)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(VELGAUGE_DESIGNER_PLUGIN)).absolutePath());
    QFile file(QStringLiteral(VELGAUGE_GAUGE_FORM));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

    const auto *cargo = form->findChild<ProgressBar *>(QStringLiteral("prgCargo"));
    ASSERT_NE(cargo, nullptr);
    EXPECT_EQ(cargo->caption(), "Cargo");
    EXPECT_EQ(cargo->alignment(), ProgressBar::alnLeft);
    EXPECT_EQ(cargo->fillMode(), ProgressBar::fm3DBlocks);
    EXPECT_EQ(cargo->backColor(), 0x80000007u);
    EXPECT_EQ(cargo->fillColor(), 0x0000FFu);
    EXPECT_EQ(cargo->value(), 70);

    const auto *level = form->findChild<ProgressBar *>(QStringLiteral("prgLevel"));
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->direction(), ProgressBar::dirVertical);
    EXPECT_EQ(level->fillMode(), ProgressBar::fm2DBlocks);
    EXPECT_TRUE(level->invertText());
    EXPECT_TRUE(level->font().bold());
    EXPECT_EQ(level->maxValue(), 60);
    EXPECT_EQ(level->value(), 45);
}
