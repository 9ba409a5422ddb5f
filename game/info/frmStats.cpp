#include "info/frmStats.h"

#include "core/EndOfGame.h"
#include "info/ScoreRank.h"
#include "runtime/Formats.h"
#include "runtime/Runtime.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Sardek
{

namespace
{

QLabel *valueLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

frmStats::frmStats(MainWindow &main) : GuardedDialog(&main.window()), m_main(main)
{
    setObjectName(QStringLiteral("frmStats"));
    cmdRetire = new QPushButton(QStringLiteral("Retire"), this);
    cmdRetire->setObjectName(QStringLiteral("cmdRetire"));
    cmdRetire->setEnabled(false);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdRetire, &QPushButton::clicked, this, &frmStats::cmdRetire_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdRetire);
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    auto *frames = new QHBoxLayout;
    frames->addWidget(statisticsFrame());
    frames->addWidget(legendFrame());
    layout->addLayout(frames);
    layout->addLayout(buttons);
    placeAtTwips(*this, main.window(), 2800, 1030);
}

QWidget *frmStats::statisticsFrame()
{
    const GameState &state = m_main.state();
    auto *frame = new QGroupBox(QStringLiteral("Statistics "), this);
    auto *grid = new QGridLayout(frame);
    lblTimeValue =
        valueLabel("lblTimeValue", timeTradingText(monthsTrading(state.GameDate)), frame);
    lblNetValue =
        valueLabel("lblNetValue", FormatNumber(state.NetWorth, NumberFormat::Dollars), frame);
    lblShipValue = valueLabel("lblShipValue", PlainNumber(state.HoldCapacity), frame);
    lblCannonsValue = valueLabel("lblCannonsValue", PlainNumber(state.Cannons), frame);
    lblTotalValue = valueLabel("lblTotalValue", PlainNumber(state.Score), frame);
    lblRankValue = valueLabel("lblRankValue", state.Rank, frame);
    const std::pair<QString, QLabel *> rows[] = {{QStringLiteral("Time Trading:"), lblTimeValue},
                                                 {QStringLiteral("Net Worth:"), lblNetValue},
                                                 {QStringLiteral("Ship Size:"), lblShipValue},
                                                 {QStringLiteral("Cannons:"), lblCannonsValue},
                                                 {QStringLiteral("Total Score:"), lblTotalValue},
                                                 {QStringLiteral("Rank:"), lblRankValue}};
    int row = 0;
    for (const auto &[caption, value] : rows) {
        grid->addWidget(new QLabel(caption, frame), row, 0);
        grid->addWidget(value, row++, 1);
    }
    return frame;
}

QWidget *frmStats::legendFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Legend"), this);
    auto *grid = new QGridLayout(frame);
    const std::pair<QString, QString> ranks[] = {
        {QStringLiteral("Ma Tsu"), QStringLiteral("50,000 +")},
        {QStringLiteral("Master Sardek"), QStringLiteral("  8,000 - 49,999")},
        {QStringLiteral("Sardek"), QStringLiteral("  1,000 - 7,999")},
        {QStringLiteral("Compradore"), QStringLiteral("     500 - 999")},
        {QStringLiteral("Galley Hand"), QStringLiteral("         0 - 500")}};
    int row = 0;
    for (const auto &[title, range] : ranks) {
        grid->addWidget(new QLabel(title, frame), row, 0);
        auto *rangeLabel = new QLabel(range, frame);
        rangeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(rangeLabel, row++, 1);
    }
    return frame;
}

bool frmStats::mayLeave() const
{
    return cmdOK->isEnabled();
}

void frmStats::cmdRetire_Click()
{
    Runtime &runtime = m_main.runtime();
    if (m_main.state().NetWorth < Trillion) {
        const MsgBoxResult answer =
            runtime.MsgBox(QStringLiteral("Do you really want to quit this game?   "),
                           MsgBoxStyle::QuestionYesNo, QString(), this);
        if (answer != MsgBoxResult::Yes)
            return;
    }
    runtime.EndProgram();
    accept();
}

} // namespace Sardek
