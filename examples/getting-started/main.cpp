#include <Velgauge/ProgressBar.h>

#include <QApplication>
#include <QSlider>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto *gauge = new Velgauge::ProgressBar;
    gauge->setFillMode(Velgauge::ProgressBar::fm3DBlocks);
    gauge->setFillColor(0x0000FF);         // colours are 0x00BBGGRR: red here,
    gauge->setFillColorGradient(0x00FF00); // turning green towards 100 %
    gauge->setCaption(QStringLiteral("Hold"));
    auto *slider = new QSlider(Qt::Horizontal);
    QObject::connect(slider, &QSlider::valueChanged, gauge, [gauge](int v) { gauge->setValue(v); });
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(gauge);
    layout->addWidget(slider);
    slider->setValue(70); // QSlider runs from 0 to 99, within the gauge's 0 … 100
    window.show();
    return app.exec();
}
