// Build-time tool: writes the application icon as an SVG and as PNGs in the sizes of the
// desktop's icon theme, all from the one drawing the game uses for its window icon.
// Usage: sardek_icon_renderer <output folder>
#include "info/AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace
{

constexpr int SvgSize = 256;

bool writeSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(SvgSize, SvgSize));
    svg.setViewBox(QRect(0, 0, SvgSize, SvgSize));
    svg.setTitle(QStringLiteral("Sardek"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    Sardek::paintAppIcon(painter, QRectF(0, 0, SvgSize, SvgSize));
    return painter.end();
}

bool writePng(const QString &path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Sardek::paintAppIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: sardek_icon_renderer <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")) || !writeSvg(out.filePath(QStringLiteral("sardek.svg"))))
        return 1;
    for (const int size : Sardek::AppIconSizes)
        if (!writePng(out.filePath(QStringLiteral("sardek-%1.png").arg(size)), size))
            return 1;
    return 0;
}
