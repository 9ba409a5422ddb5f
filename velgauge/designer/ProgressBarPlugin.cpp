#include "ProgressBarPlugin.h"

#include <Velgauge/ProgressBar.h>

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace Velgauge
{

namespace
{

constexpr const char *ColourNames[] = {"BackColor", "FillColor", "FillColorGradient", "ForeColor"};

// Designer saves only the properties its sheet marks changed. A colour edited through its
// colour view (BackColorRgb …), which forms do not store, sets the number behind it: mark that
// number changed whenever it differs from a new gauge's, so the form keeps the edit.
void keepEditedColours(ProgressBar *gauge, QDesignerFormEditorInterface *core)
{
    QObject::connect(gauge, &ProgressBar::propertyChanged, gauge, [gauge, core] {
        auto *sheet =
            qt_extension<QDesignerPropertySheetExtension *>(core->extensionManager(), gauge);
        if (!sheet)
            return;
        static const auto initial = [] {
            const ProgressBar fresh;
            std::array<QVariant, std::size(ColourNames)> values;
            for (std::size_t i = 0; i < values.size(); ++i)
                values[i] = fresh.property(ColourNames[i]);
            return values;
        }();
        for (std::size_t i = 0; i < initial.size(); ++i) {
            const int index = sheet->indexOf(QString::fromLatin1(ColourNames[i]));
            if (index >= 0 && gauge->property(ColourNames[i]) != initial[i])
                sheet->setChanged(index, true);
        }
    });
}

} // namespace

ProgressBarPlugin::ProgressBarPlugin(QObject *parent) : QObject(parent) {}

QString ProgressBarPlugin::name() const
{
    // Forms name the class as its meta-object does, or loaders cannot match it.
    return QString::fromLatin1(ProgressBar::staticMetaObject.className());
}

QString ProgressBarPlugin::group() const
{
    return QStringLiteral("Velgauge");
}

QString ProgressBarPlugin::toolTip() const
{
    return tr("Progress gauge: gradient bar or blocks, horizontal or vertical, with a caption");
}

QString ProgressBarPlugin::whatsThis() const
{
    return tr("A sunken gauge whose bar grows with Value between MinValue and MaxValue, "
              "plain or as a colour gradient, solid or cut into flat or bevelled blocks, "
              "with a caption drawn in ForeColor or inverted against the bar.");
}

QString ProgressBarPlugin::includeFile() const
{
    return QStringLiteral("Velgauge/ProgressBar.h");
}

QIcon ProgressBarPlugin::icon() const
{
    // The widget box shows the gauge as it draws itself: bevelled blocks, two thirds full.
    ProgressBar sample;
    sample.setFillMode(ProgressBar::fm3DBlocks);
    sample.setFillColor(0x0000FF);
    sample.setFillColorGradient(0x00FF00);
    sample.setValue(70);
    sample.resize(24, 12);
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.translate(0, 6);
    sample.paint(painter);
    return QIcon(pixmap);
}

bool ProgressBarPlugin::isContainer() const
{
    return false;
}

QWidget *ProgressBarPlugin::createWidget(QWidget *parent)
{
    auto *gauge = new ProgressBar(parent);
    if (m_core)
        keepEditedColours(gauge, m_core);
    return gauge;
}

bool ProgressBarPlugin::isInitialized() const
{
    return m_initialized;
}

void ProgressBarPlugin::initialize(QDesignerFormEditorInterface *core)
{
    m_core = core;
    m_initialized = true;
}

QString ProgressBarPlugin::domXml() const
{
    // A gauge made by name starts captioned with that name; one placed on a form, with its
    // first name. The caption is a property of the form, so programs built from it show it.
    return QStringLiteral(R"(<ui language="c++" displayname="ProgressBar">
 <widget class="%1" name="prgGauge">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>150</width><height>22</height></rect>
  </property>
  <property name="Caption">
   <string>prgGauge</string>
  </property>
 </widget>
</ui>
)")
        .arg(name());
}

} // namespace Velgauge
