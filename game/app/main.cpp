#include "app/frmMain.h"
#include "info/AppIcon.h"
#include "info/Version.h"
#include "ui/QtRuntime.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

namespace
{

// --help and --version print and end the program here; otherwise the saved game named, if any.
QString savedGameArgument(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Run a Hong Kong trading firm on the China coast of 1860."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A saved game (.srd) to load at start."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}

void centreOnScreen(QWidget &window)
{
    window.adjustSize();
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sardek"));
    QApplication::setApplicationVersion(QLatin1String(Sardek::GameVersion));
    QApplication::setDesktopFileName(QStringLiteral("com.example.Sardek"));
    QApplication::setWindowIcon(Sardek::appIcon());
    const QString savedGame = savedGameArgument(app);

    Sardek::QtRuntime runtime;
    Sardek::frmMain window(runtime);
    centreOnScreen(window);
    window.show();
    // Once the window is up, so that an error box about the file has a window to sit over.
    if (!savedGame.isEmpty())
        QTimer::singleShot(0, &window, [&window, savedGame] { window.LoadGameFile(savedGame); });
    return app.exec();
}
