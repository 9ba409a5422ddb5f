#include "app/frmNew.h"

#include "app/frmMain.h"
#include "core/NewGame.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace Sardek
{

frmNew::frmNew(frmMain &main) : GuardedDialog(&main), m_main(main)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(QStringLiteral("New Game"));

    fraSelectScenario = new QGroupBox(QStringLiteral("Select Scenario "), this);
    fraSelectScenario->setObjectName(QStringLiteral("fraSelectScenario"));
    optCash = new QRadioButton(QStringLiteral("Begin with cash and debt (No Cannons)"),
                               fraSelectScenario);
    optCash->setObjectName(QStringLiteral("optCash"));
    optDebt = new QRadioButton(QStringLiteral("Begin with no cash or debt (5 Cannons)"),
                               fraSelectScenario);
    optDebt->setObjectName(QStringLiteral("optDebt"));
    optDebt->setChecked(true);
    auto *scenarios = new QVBoxLayout(fraSelectScenario);
    scenarios->addWidget(optCash);
    scenarios->addWidget(optDebt);

    fraFirm = new QGroupBox(QStringLiteral("Type Name of Firm "), this);
    fraFirm->setObjectName(QStringLiteral("fraFirm"));
    txtFirm = new QLineEdit(fraFirm);
    txtFirm->setObjectName(QStringLiteral("txtFirm"));
    txtFirm->setMaxLength(24);
    txtFirm->setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    // The saved file writes the name between double quotation marks: one inside could not
    // be read back, so the box never takes it, typed or pasted.
    txtFirm->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), txtFirm));
    (new QVBoxLayout(fraFirm))->addWidget(txtFirm);

    cmdStart = new QPushButton(QStringLiteral("Start Game"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setEnabled(!main.state().GameOver);
    connect(cmdStart, &QPushButton::clicked, this, &frmNew::cmdStart_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNew::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraSelectScenario);
    layout->addWidget(fraFirm);
    layout->addLayout(buttons);
    txtFirm->setFocus();
    centreOver(*this, main);
}

bool frmNew::mayLeave() const
{
    return cmdCancel->isEnabled();
}

void frmNew::cmdStart_Click()
{
    GameState &state = m_main.state();
    startGame(state, m_main.runtime(),
              optCash->isChecked() ? Scenario::CashAndDebt : Scenario::Cannons, txtFirm->text());
    m_main.beginGame(state.GameDate.toString() + QStringLiteral(" - Welcome Captain"), true);
    m_main.UpdateMainForm();
    state.GameSaved = true;
    accept();
}

} // namespace Sardek
