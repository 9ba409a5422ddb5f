#include "GalleryWindow.h"
#include "ui_GaugeForm.h"

#include <Velgauge/ControlFactory.h>
#include <Velgauge/ProgressBar.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

using Velgauge::ProgressBar;

namespace
{

constexpr quint32 Red = 0x0000FF, Green = 0x00FF00, Navy = 0x800000, Gold = 0x00C0FF;
constexpr quint32 Black = 0x000000, White = 0xFFFFFF;

} // namespace

GalleryWindow::GalleryWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Velgauge gallery"));
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setObjectName("sldValue");
    slider->setRange(0, 100);
    auto *valueLabel = new QLabel;
    connect(slider, &QSlider::valueChanged, this, [this, valueLabel](int percent) {
        valueLabel->setText(tr("Value: %1").arg(percent));
        setAllValues(percent);
    });

    auto *gauges = new QHBoxLayout;
    gauges->addWidget(horizontalColumn(), 3);
    gauges->addWidget(verticalRow(), 2);
    gauges->addWidget(designerForm(), 1);

    auto *controls = new QHBoxLayout;
    controls->addWidget(valueLabel);
    controls->addWidget(slider, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(gauges);
    layout->addLayout(controls);
    slider->setValue(64);
}

void GalleryWindow::setAllValues(int percent)
{
    for (ProgressBar *gauge : m_gauges)
        gauge->setValue(gauge->minValue() +
                        (gauge->maxValue() - gauge->minValue()) * percent / 100);
}

ProgressBar *GalleryWindow::addGauge(const QString &name, const QString &caption)
{
    auto *gauge =
        qobject_cast<ProgressBar *>(Velgauge::createControl(Velgauge::ProgressBarId, name));
    gauge->setCaption(caption);
    m_gauges.push_back(gauge);
    return gauge;
}

QWidget *GalleryWindow::horizontalColumn()
{
    auto *box = new QGroupBox(tr("Horizontal"));
    auto *column = new QVBoxLayout(box);
    auto add = [this, column](const QString &name, const QString &caption) {
        ProgressBar *gauge = addGauge(name, caption);
        gauge->setMinimumHeight(22);
        column->addWidget(gauge);
        return gauge;
    };

    add("barDefault", tr("Defaults: gradient bar"));
    ProgressBar *plain = add("barPlain", tr("Plain bar, left"));
    plain->setGradientFill(false);
    plain->setAlignment(ProgressBar::alnLeft);

    ProgressBar *flat = add("blocks2D", tr("Flat blocks, right"));
    flat->setFillMode(ProgressBar::fm2DBlocks);
    flat->setAlignment(ProgressBar::alnRight);
    flat->setFillColor(Navy);
    flat->setFillColorGradient(Gold);

    ProgressBar *status = add("prgStatusLike", QString());
    status->setFillMode(ProgressBar::fm3DBlocks);
    status->setBackColor(0x80000007);
    status->setFillColor(Red);
    status->setFillColorGradient(Green);

    ProgressBar *hold = add("prgHoldLike", QString());
    hold->setFillMode(ProgressBar::fm3DBlocks);
    hold->setBackColor(0x80000007);
    hold->setFillColor(0x808080);
    hold->setGradientFill(false);
    hold->setMaxValue(60);

    ProgressBar *inverted = add("invertedText", tr("Inverted caption over 3D blocks"));
    inverted->setFillMode(ProgressBar::fm3DBlocks);
    inverted->setInvertText(true);
    inverted->setBackColor(White);
    inverted->setFillColor(Red);
    inverted->setFillColorGradient(Navy);
    inverted->setMinimumHeight(30);
    inverted->setCaptionFont(QFont(font().family(), 11, QFont::Bold));

    ProgressBar *coloured = add("foreColor", tr("ForeColor caption on white"));
    coloured->setBackColor(White);
    coloured->setForeColor(Navy);
    coloured->setFillColor(Gold);
    coloured->setFillColorGradient(Red);
    column->addStretch(1);
    return box;
}

QWidget *GalleryWindow::designerForm()
{
    auto *box = new QGroupBox(tr("Designer form"));
    auto *form = new QWidget;
    Ui::GaugeForm().setupUi(form);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(form);
    layout->addStretch(1);
    const auto designed = form->findChildren<ProgressBar *>();
    m_gauges.insert(m_gauges.end(), designed.begin(), designed.end());
    return box;
}

QWidget *GalleryWindow::verticalRow()
{
    auto *box = new QGroupBox(tr("Vertical"));
    auto *row = new QHBoxLayout(box);
    auto add = [this, row](const QString &name, const QString &caption) {
        ProgressBar *gauge = addGauge(name, caption);
        gauge->setDirection(ProgressBar::dirVertical);
        gauge->setMinimumSize(30, 220);
        row->addWidget(gauge);
        return gauge;
    };
    add("vertBar", tr("Gradient bar"));
    ProgressBar *left = add("vertLeft", tr("Bottom"));
    left->setAlignment(ProgressBar::alnLeft);
    left->setFillMode(ProgressBar::fm2DBlocks);
    ProgressBar *right = add("vertRight", tr("Top"));
    right->setAlignment(ProgressBar::alnRight);
    right->setFillMode(ProgressBar::fm3DBlocks);
    right->setFillColor(Red);
    right->setFillColorGradient(Gold);
    ProgressBar *inverted = add("vertInverted", tr("Inverted"));
    inverted->setFillMode(ProgressBar::fm3DBlocks);
    inverted->setInvertText(true);
    inverted->setBackColor(Black);
    inverted->setFillColor(Green);
    inverted->setFillColorGradient(Navy);
    return box;
}
