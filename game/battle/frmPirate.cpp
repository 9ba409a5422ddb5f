#include "battle/frmPirate.h"

#include "battle/PirateFleet.h"
#include "runtime/Formats.h"
#include "runtime/Runtime.h"
#include "ui/CaptionFrame.h"
#include "ui/MainWindow.h"
#include "ui/QuitQuestion.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Sardek
{

namespace
{

// The window's client area and its place off the main window's corner, in twips.
constexpr int ClientWidth = 6855, ClientHeight = 4695;
constexpr int OffsetX = 1180, OffsetY = 100;
constexpr int ButtonWidth = 1380, ButtonHeight = 555;
// The classic dialog size: the longest report and "Fight to Death" fit their boxes.
constexpr qreal FontPoints = 8;

template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmPirate::frmPirate(MainWindow &main, QWidget *owner)
    : QDialog(owner ? owner : &main.window()), m_main(main),
      m_battle(main.state(), main.runtime(), *this)
{
    setObjectName(QStringLiteral("frmPirate"));
    setWindowTitle(QStringLiteral("Pirates"));
    QFont small = font();
    small.setPointSizeF(FontPoints);
    setFont(small);
    setFixedSize(twipsToPixels(ClientWidth, logicalDpiX()),
                 twipsToPixels(ClientHeight, logicalDpiY()));
    buildReportFrame();
    buildOrdersFrame();
    buildEnemyFrame();
    placeAtTwips(*this, m_main.window(), OffsetX, OffsetY);
    m_battle.Open();
    if (m_battle.pirateLord())
        setWindowTitle(QStringLiteral("Mok Sai's Pirates"));
}

void frmPirate::placeTwips(QWidget &widget, int left, int top, int width, int height) const
{
    const int dpiX = logicalDpiX(), dpiY = logicalDpiY();
    widget.setGeometry(twipsToPixels(left, dpiX), twipsToPixels(top, dpiY),
                       twipsToPixels(width, dpiX), twipsToPixels(height, dpiY));
}

void frmPirate::buildReportFrame()
{
    fraReport = named(new CaptionFrame(QStringLiteral("Captain's Report "), this), "fraReport");
    placeTwips(*fraReport, 90, 60, 3645, 1815);
    txtEnemy = addReportRow("Enemy", QStringLiteral("Enemy Ships:"), 300, lblEnemy);
    txtStatus = addReportRow("Status", QStringLiteral("Ship's Status:"), 690, lblStatus);
    txtCannons = addReportRow("Cannons", QStringLiteral("Ship's Cannons:"), 1080, lblCannons);
    txtReport = named(new QLineEdit(fraReport), "txtReport");
    txtReport->setReadOnly(true);
    txtReport->setFocusPolicy(Qt::NoFocus);
    placeTwips(*txtReport, 60, 1440, 3525, 315);
}

QLineEdit *frmPirate::addReportRow(const char *name, const QString &caption, int topTwips,
                                   QLabel *&label)
{
    label = new QLabel(caption, fraReport);
    label->setObjectName(QLatin1String("lbl") + QLatin1String(name));
    placeTwips(*label, 90, topTwips, 1380, 315);
    auto *field = new QLineEdit(fraReport);
    field->setObjectName(QLatin1String("txt") + QLatin1String(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    placeTwips(*field, 1530, topTwips, 2055, 315);
    return field;
}

void frmPirate::buildOrdersFrame()
{
    fraOrders = named(new CaptionFrame(QStringLiteral("Orders "), this), "fraOrders");
    placeTwips(*fraOrders, 3795, 60, 2940, 1815);
    cmdFight = addOrder("cmdFight", QStringLiteral("Fight"), 60, 330);
    cmdDeath = addOrder("cmdDeath", QStringLiteral("Fight to Death"), 1500, 330);
    cmdRun = addOrder("cmdRun", QStringLiteral("Run"), 60, 1050);
    cmdDump = addOrder("cmdDump", QStringLiteral("Dump Cargo"), 1500, 1050);
    connect(cmdFight, &QPushButton::clicked, this, [this] { giveOrder(&Battle::Fight); });
    connect(cmdDeath, &QPushButton::clicked, this, [this] { giveOrder(&Battle::FightToTheDeath); });
    connect(cmdRun, &QPushButton::clicked, this, [this] { giveOrder(&Battle::Run); });
    connect(cmdDump, &QPushButton::clicked, this, [this] { giveOrder(&Battle::DumpCargo); });
}

QPushButton *frmPirate::addOrder(const char *name, const QString &caption, int leftTwips,
                                 int topTwips)
{
    auto *button = named(new QPushButton(caption, fraOrders), name);
    placeTwips(*button, leftTwips, topTwips, ButtonWidth, ButtonHeight);
    return button;
}

void frmPirate::buildEnemyFrame()
{
    FraEnemy = named(new CaptionFrame(QStringLiteral("Enemy Ships "), this), "FraEnemy");
    placeTwips(*FraEnemy, 90, 1935, 6645, 2700);
    picShips = new PirateFleet(FraEnemy);
    placeTwips(*picShips, 120, 210, 6435, 2430);
}

void frmPirate::giveOrder(void (Battle::*order)())
{
    (m_battle.*order)();
    if (!m_battle.decided())
        return;
    m_closingByProgram = true;
    accept();
}

void frmPirate::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

// Esc leaves nothing: the battle ends only when it is decided.
void frmPirate::reject() {}

void frmPirate::closeEvent(QCloseEvent *event)
{
    if (m_closingByProgram) {
        event->accept();
        return;
    }
    event->ignore();
    if (AskToQuitGame(m_main.runtime(), this))
        m_main.runtime().EndProgram();
}

void frmPirate::showReport(const QString &text)
{
    txtReport->setText(text);
}

void frmPirate::showEnemyShips(int count)
{
    txtEnemy->setText(QString::number(count));
}

void frmPirate::showStatus(Currency status)
{
    txtStatus->setText(PlainNumber(status) + QStringLiteral("%"));
    m_main.previewStatus(status);
}

void frmPirate::showCannons(Currency cannons)
{
    txtCannons->setText(PlainNumber(cannons));
}

void frmPirate::enableOrders(UsableOrders orders)
{
    cmdFight->setEnabled(orders.fight);
    cmdDeath->setEnabled(orders.death);
    cmdRun->setEnabled(orders.run);
    cmdDump->setEnabled(orders.dump);
}

void frmPirate::showShip(int index, bool afloat)
{
    picShips->showShip(index, afloat);
}

void frmPirate::showSinkingFrame(int index, int frame)
{
    picShips->showSinkingFrame(index, frame);
}

void frmPirate::showHit(bool hit)
{
    picShips->showHit(hit);
}

void frmPirate::appendLogEntry(const QString &entry)
{
    m_main.LogAppend(entry);
}

void frmPirate::redrawMainWindow()
{
    m_main.UpdateMainForm();
}

} // namespace Sardek
