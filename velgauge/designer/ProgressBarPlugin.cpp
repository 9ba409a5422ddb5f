#include "ProgressBarPlugin.h"

#include <Velgauge/ProgressBar.h>

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace Velgauge
{

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
    return new ProgressBar(parent);
}

bool ProgressBarPlugin::isInitialized() const
{
    return m_initialized;
}

void ProgressBarPlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString ProgressBarPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++" displayname="ProgressBar">
 <widget class="%1" name="prgGauge">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>150</width><height>22</height></rect>
  </property>
 </widget>
</ui>
)")
        .arg(name());
}

} // namespace Velgauge
