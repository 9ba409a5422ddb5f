#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace Velgauge
{

// Offers ProgressBar in Qt Designer's widget box, in a "Velgauge" group; its properties are
// edited in the property editor like those of any Qt widget, the colours also through their
// colour views, and QUiLoader builds it from forms through this plugin too.
class ProgressBarPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit ProgressBarPlugin(QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

  private:
    bool m_initialized = false;
    QDesignerFormEditorInterface *m_core = nullptr; // set inside Designer, not in form loaders
};

} // namespace Velgauge
