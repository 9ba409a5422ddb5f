#include "GalleryWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GalleryWindow window;
    window.resize(900, 420);
    window.show();
    return app.exec();
}
