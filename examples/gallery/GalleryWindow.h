#pragma once

#include <QWidget>
#include <vector>

namespace Velgauge
{
class ProgressBar;
}

// Gauges in every fill mode, direction, alignment, gradient and caption style, and two from a
// Designer form, all driven by one slider: the library's demonstration and the picture to
// check by eye.
class GalleryWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit GalleryWindow(QWidget *parent = nullptr);

    void setAllValues(int percent);

  private:
    Velgauge::ProgressBar *addGauge(const QString &name, const QString &caption);
    QWidget *horizontalColumn();
    QWidget *verticalRow();
    QWidget *designerForm();

    std::vector<Velgauge::ProgressBar *> m_gauges;
};
