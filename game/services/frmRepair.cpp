#include "services/frmRepair.h"

#include "runtime/Formats.h"
#include "services/Repair.h"
#include "services/ShowServiceOutcome.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace Sardek
{

namespace
{

QLineEdit *displayField(const char *name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QString percent(int points)
{
    return QString::number(points) + QLatin1Char('%');
}

} // namespace

frmRepair::frmRepair(MainWindow &main) : QDialog(&main.window()), m_main(main)
{
    setObjectName(QStringLiteral("frmRepair"));
    setWindowTitle(QStringLiteral("Repair Ship"));
    sldRepair = new QSlider(Qt::Horizontal, this);
    sldRepair->setObjectName(QStringLiteral("sldRepair"));
    sldRepair->setRange(0, FullRepair);
    sldRepair->setSingleStep(1);
    sldRepair->setPageStep(5);
    sldRepair->setTickPosition(QSlider::TicksBelow);
    sldRepair->setTickInterval(10);
    buildSelectFrame();
    buildButtons();

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(sldRepair);
    layout->addWidget(fraSelect);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdRepair, cmdRepairMax, cmdCancel})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    sldRepair->setValue(sliderPosition(m_main.state().ShipStatus));
    txtStatus->setText(percent(sldRepair->value()));
    connect(sldRepair, &QSlider::valueChanged, this, &frmRepair::sldRepair_Change);
    placeAtTwips(*this, main.window(), 0, 2940);
}

void frmRepair::buildSelectFrame()
{
    fraSelect = new QGroupBox(QStringLiteral("Select Amount "), this);
    fraSelect->setObjectName(QStringLiteral("fraSelect"));
    lblStatus = new QLabel(QStringLiteral("Ship's Status:"), fraSelect);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    txtStatus = displayField("txtStatus", fraSelect);
    lblPrice = new QLabel(QStringLiteral("Cost of Repair:"), fraSelect);
    lblPrice->setObjectName(QStringLiteral("lblPrice"));
    txtPrice = displayField("txtPrice", fraSelect);
    txtPrice->setText(QStringLiteral("$0"));
    auto *grid = new QGridLayout(fraSelect);
    grid->addWidget(lblStatus, 0, 0);
    grid->addWidget(txtStatus, 0, 1);
    grid->addWidget(lblPrice, 1, 0);
    grid->addWidget(txtPrice, 1, 1);
}

void frmRepair::buildButtons()
{
    cmdRepair = new QPushButton(QStringLiteral("Repair"), this);
    cmdRepair->setObjectName(QStringLiteral("cmdRepair"));
    cmdRepair->setDefault(true);
    cmdRepair->setEnabled(false);
    cmdRepairMax = new QPushButton(QStringLiteral("Repair Max"), this);
    cmdRepairMax->setObjectName(QStringLiteral("cmdRepairMax"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdRepair, &QPushButton::clicked, this, &frmRepair::cmdRepair_Click);
    connect(cmdRepairMax, &QPushButton::clicked, this, &frmRepair::cmdRepairMax_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRepair::sldRepair_Change(int position)
{
    const GameState &state = m_main.state();
    const int target = repairTarget(state, position);
    if (target != position) {
        // The slider springs back; setting it brings this handler round again with target.
        sldRepair->setValue(target);
        return;
    }
    cmdRepair->setEnabled(Currency(target) > state.ShipStatus);
    txtStatus->setText(percent(target));
    txtPrice->setText(FormatNumber(repairPrice(state, target), NumberFormat::Dollars));
    m_main.previewStatus(Currency(target));
}

void frmRepair::cmdRepair_Click()
{
    finishService(m_main, *this, repairTo(m_main.state(), sldRepair->value()));
}

void frmRepair::cmdRepairMax_Click()
{
    finishService(m_main, *this, repairMax(m_main.state()));
}

void frmRepair::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

} // namespace Sardek
