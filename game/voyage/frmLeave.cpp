#include "voyage/frmLeave.h"

#include "ui/MainWindow.h"
#include "ui/Twips.h"
#include "voyage/Ports.h"
#include "voyage/Voyage.h"
#include "voyage/WindowVoyageView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace Sardek
{

frmLeave::frmLeave(MainWindow &main, PirateEncounter &encounter)
    : QDialog(&main.window()), m_main(main), m_encounter(encounter)
{
    setObjectName(QStringLiteral("frmLeave"));
    setWindowTitle(QStringLiteral("Leave Port"));
    buildDestinationFrame();
    cmdDepart = new QPushButton(QStringLiteral("Depart"), this);
    cmdDepart->setObjectName(QStringLiteral("cmdDepart"));
    cmdDepart->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdDepart, &QPushButton::clicked, this, &frmLeave::cmdDepart_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLeave::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDepart);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraDestination);
    layout->addLayout(buttons);
    Form_Load();
    centreOver(*this, main.window());
}

void frmLeave::buildDestinationFrame()
{
    fraDestination = new QGroupBox(QStringLiteral("Choose Destination "), this);
    fraDestination->setObjectName(QStringLiteral("fraDestination"));
    auto *column = new QVBoxLayout(fraDestination);
    for (int index = 1; index <= PortCount; ++index) {
        const QString name = portName(index);
        auto *option = new QRadioButton(name, fraDestination);
        option->setObjectName(QStringLiteral("opt") + QString(name).remove(QLatin1Char(' ')));
        column->addWidget(option);
        m_options[std::size_t(index - 1)] = option;
    }
    std::tie(optHongKong, optShanghai, optNagasaki, optSaigon, optManila, optSingapore,
             optBatavia) = std::tuple(m_options[0], m_options[1], m_options[2], m_options[3],
                                      m_options[4], m_options[5], m_options[6]);
}

QRadioButton *frmLeave::portOption(int index) const
{
    return m_options.at(std::size_t(index - 1));
}

int frmLeave::destination() const
{
    for (int index = 1; index <= PortCount; ++index)
        if (portOption(index)->isChecked())
            return index;
    return 0;
}

// The ship cannot sail to the port it lies in.
void frmLeave::Form_Load()
{
    const QString &current = m_main.state().CurrentPort;
    for (int index = 1; index <= PortCount; ++index)
        portOption(index)->setEnabled(portName(index) != current);
    portOption(preselectedPort(current, m_main.runtime()))->setChecked(true);
}

// The orders and menus stay inert until the voyage is over, also through a battle's
// redraw; they are given back before the closing redraw enables the orders of the port.
void frmLeave::cmdDepart_Click()
{
    const int port = destination();
    m_main.setTurnRunning(true);
    WindowVoyageView view(m_main, this);
    Depart({m_main.state(), m_main.runtime(), view}, m_encounter, port);
    m_main.setTurnRunning(false);
    accept();
}

void frmLeave::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

} // namespace Sardek
