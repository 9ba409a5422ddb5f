#include <Velgauge/ProgressBar.h>

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

#include <memory>

using Velgauge::ProgressBar;

// Plugin and loader are the ones Designer and a program loading its forms would use: the
// loader makes each gauge through the plugin, in the form it belongs to.
TEST(DesignerPlugin, OffersAGaugeInTheVelgaugeGroup_AFormLoadsItsGaugesAsDesigned)
{
    QPluginLoader plugins(QStringLiteral(VELGAUGE_DESIGNER_PLUGIN));
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(plugins.instance());
    ASSERT_NE(plugin, nullptr) << plugins.errorString().toStdString();
    // Forms name the class as the meta-object does; the generated code includes the header.
    EXPECT_EQ(plugin->name(), ProgressBar::staticMetaObject.className());
    EXPECT_EQ(plugin->group(), "Velgauge");
    EXPECT_EQ(plugin->includeFile(), "Velgauge/ProgressBar.h");
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_TRUE(plugin->domXml().contains(R"(class="Velgauge::ProgressBar")"));

    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(VELGAUGE_DESIGNER_PLUGIN)).absolutePath());
    QFile file(QStringLiteral(VELGAUGE_GAUGE_FORM));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    const auto *cargo = form->findChild<ProgressBar *>(QStringLiteral("prgCargo"));
    const auto *level = form->findChild<ProgressBar *>(QStringLiteral("prgLevel"));
    ASSERT_TRUE(cargo && level);
    EXPECT_EQ(std::tuple(cargo->caption(), cargo->alignment(), cargo->fillMode(),
                         cargo->backColor(), cargo->fillColor(), cargo->value()),
              std::tuple("Cargo", ProgressBar::alnLeft, ProgressBar::fm3DBlocks, 0x80000007u,
                         0x0000FFu, 70.0));
    EXPECT_EQ(
        std::tuple(level->direction(), level->fillMode(), level->invertText(), level->font().bold(),
                   level->maxValue(), level->value()),
        std::tuple(ProgressBar::dirVertical, ProgressBar::fm2DBlocks, true, true, 60.0, 45.0));
}
