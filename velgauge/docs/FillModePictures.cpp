// Build-time tool: draws the pictures of the reference's getting-started page with the library
// itself, one PNG per look, so the page shows exactly what the gauge draws.
// Usage: velgauge_doc_pictures <output folder>
#include <Velgauge/ProgressBar.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

using Velgauge::ProgressBar;

namespace
{

struct Picture {
    const char *file;
    ProgressBar::FillMode mode;
    bool gradient;
    ProgressBar::Direction direction;
    bool invertText;
};

// Red to green as in the game's status gauge, 70 % full, in the game's caption font size.
bool draw(const Picture &picture, const QString &path)
{
    ProgressBar gauge;
    gauge.setFillMode(picture.mode);
    gauge.setGradientFill(picture.gradient);
    gauge.setFillColor(0x0000FF);
    gauge.setFillColorGradient(0x00FF00);
    gauge.setForeColor(0x000000);
    gauge.setInvertText(picture.invertText);
    gauge.setDirection(picture.direction);
    gauge.setCaption(QStringLiteral("70 %"));
    gauge.setValue(70);
    gauge.resize(picture.direction == ProgressBar::dirHorizontal ? QSize(240, 24) : QSize(32, 160));
    QImage image(gauge.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    gauge.paint(painter);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velgauge_doc_pictures <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    constexpr auto H = ProgressBar::dirHorizontal, V = ProgressBar::dirVertical;
    const Picture pictures[] = {{"fill-bar.png", ProgressBar::fmBar, false, H, false},
                                {"fill-gradient.png", ProgressBar::fmBar, true, H, false},
                                {"fill-2d-blocks.png", ProgressBar::fm2DBlocks, true, H, false},
                                {"fill-3d-blocks.png", ProgressBar::fm3DBlocks, true, H, false},
                                {"inverted-caption.png", ProgressBar::fmBar, false, H, true},
                                {"vertical.png", ProgressBar::fm3DBlocks, true, V, false}};
    for (const Picture &picture : pictures)
        if (!draw(picture, out.filePath(QString::fromLatin1(picture.file))))
            return 1;
    return 0;
}
