#include <QApplication>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <cstdio>
#include <memory>

// Exits 0 when the plugin file named on the command line loads through QPluginLoader, offers
// the gauge in the Velgauge group and makes one. It does not link the library itself, so the
// plugin must bring it along.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: designer-loader PLUGIN_FILE\n", stderr);
        return 64;
    }
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    if (!plugin) {
        std::fprintf(stderr, "not loaded: %s\n", qPrintable(loader.errorString()));
        return 1;
    }
    const std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    const char *made = widget ? widget->metaObject()->className() : "nothing";
    std::printf("%s in group %s makes %s\n", qPrintable(plugin->name()),
                qPrintable(plugin->group()), made);
    const bool gauge =
        plugin->name() == QLatin1String(made) && qstrcmp(made, "Velgauge::ProgressBar") == 0;
    return gauge && plugin->group() == QLatin1String("Velgauge") ? 0 : 2;
}
