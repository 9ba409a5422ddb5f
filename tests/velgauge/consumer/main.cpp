#include <Velgauge/ControlFactory.h>
#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <QApplication>
#include <memory>

// Exits 0 when a gauge made through the installed library behaves.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> control(Velgauge::createControl(Velgauge::ProgressBarId, "prgTest"));
    auto *gauge = qobject_cast<Velgauge::ProgressBar *>(control.get());
    if (!gauge || gauge->caption() != "prgTest")
        return 1;
    gauge->setValue(75);
    Velgauge::PropertyBag bag;
    gauge->writeProperties(bag);
    return bag.read("value").toDouble() == 75 ? 0 : 2;
}
