#include <Velgauge/ProgressBar.h>

#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSet>
#include <QUiLoader>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

#include <memory>

using Velgauge::ProgressBar;

namespace
{

QDesignerCustomWidgetInterface *loadPlugin()
{
    static QPluginLoader plugins(QStringLiteral(VELGAUGE_DESIGNER_PLUGIN));
    return qobject_cast<QDesignerCustomWidgetInterface *>(plugins.instance());
}

// Designer's property sheet as far as saving a form goes: a gauge's properties, each saved
// only once marked changed.
class RecordingSheet : public QObject, public QDesignerPropertySheetExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)

  public:
    explicit RecordingSheet(QObject *object, QObject *parent) : QObject(parent), m_object(object) {}
    int count() const override { return meta().propertyCount(); }
    int indexOf(const QString &name) const override
    {
        return meta().indexOfProperty(name.toLatin1());
    }
    QString propertyName(int index) const override { return meta().property(index).name(); }
    QString propertyGroup(int) const override { return {}; }
    void setPropertyGroup(int, const QString &) override {}
    bool hasReset(int) const override { return false; }
    bool reset(int) override { return false; }
    bool isVisible(int) const override { return true; }
    void setVisible(int, bool) override {}
    bool isAttribute(int) const override { return false; }
    void setAttribute(int, bool) override {}
    QVariant property(int index) const override { return meta().property(index).read(m_object); }
    void setProperty(int index, const QVariant &value) override
    {
        meta().property(index).write(m_object, value);
        m_changed.insert(index);
    }
    bool isChanged(int index) const override { return m_changed.contains(index); }
    void setChanged(int index, bool changed) override
    {
        changed ? void(m_changed.insert(index)) : void(m_changed.remove(index));
    }
    bool isEnabled(int) const override { return true; }

  private:
    const QMetaObject &meta() const { return *m_object->metaObject(); }
    QObject *m_object;
    QSet<int> m_changed;
};

// A form editor whose extensions the test chooses.
class TestFormEditor : public QDesignerFormEditorInterface
{
  public:
    using QDesignerFormEditorInterface::setExtensionManager;
};

class RecordingSheets : public QExtensionFactory
{
  public:
    using QExtensionFactory::QExtensionFactory;

  protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override
    {
        return iid == Q_TYPEID(QDesignerPropertySheetExtension) ? new RecordingSheet(object, parent)
                                                                : nullptr;
    }
};

} // namespace

// Plugin and loader are the ones Designer and a program loading its forms would use: the
// loader makes each gauge through the plugin, in the form it belongs to.
TEST(DesignerPlugin, OffersAGaugeInTheVelgaugeGroup_AFormLoadsItsGaugesAsDesigned)
{
    auto *plugin = loadPlugin();
    ASSERT_NE(plugin, nullptr);
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

// In Designer a new gauge shows a caption, stored with the form. Its colours can be edited as
// colours; the form then saves the number behind the colour edited, and no other.
TEST(DesignerPlugin, NewGaugeHasACaption_AColourEditedAsColourIsSavedAsItsNumber)
{
    auto *plugin = loadPlugin();
    ASSERT_NE(plugin, nullptr);
    EXPECT_TRUE(plugin->domXml().contains(R"(<property name="Caption">)"));
    EXPECT_TRUE(plugin->domXml().contains("<string>prgGauge</string>"));

    TestFormEditor core;
    QExtensionManager extensions;
    core.setExtensionManager(&extensions);
    extensions.registerExtensions(new RecordingSheets(&extensions),
                                  Q_TYPEID(QDesignerPropertySheetExtension));
    plugin->initialize(&core);
    std::unique_ptr<QWidget> gauge(plugin->createWidget(nullptr));
    auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(&extensions, gauge.get());
    ASSERT_NE(sheet, nullptr);
    const auto changed = [sheet](const char *name) {
        return sheet->isChanged(sheet->indexOf(QString::fromLatin1(name)));
    };
    EXPECT_EQ(sheet->property(sheet->indexOf("FillColorRgb")), ProgressBar::toColor(0x80000002));
    sheet->setProperty(sheet->indexOf("FillColorRgb"), QColor(Qt::red));
    EXPECT_EQ(gauge->property("FillColor"), QVariant(0x0000FFu));
    EXPECT_TRUE(changed("FillColor"));
    EXPECT_FALSE(changed("BackColor") || changed("FillColorGradient") || changed("ForeColor"));
    gauge.reset();
    plugin->initialize(nullptr); // the plugin outlives this form editor
}

#include "DesignerTest.moc"
