#include "info/frmHelp.h"

#include "ui/Twips.h"

#include "info/InfoFonts.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

namespace Sardek
{

namespace
{

// Height of the text box, in lines of the fixed-pitch face.
constexpr int VisibleLines = 24;

QString captionOf(HelpPage page)
{
    // The captions end in a blank, and the second keeps its old spelling.
    switch (page) {
    case HelpPage::Introduction:
        return QStringLiteral("Introduction ");
    case HelpPage::Instructions:
        return QStringLiteral("Original Instuctions ");
    case HelpPage::Hints:
        return QStringLiteral("Hints ");
    case HelpPage::MoneyLenderBug:
        break;
    }
    return QStringLiteral("Money Lender Bug ");
}

QPushButton *makeButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// Wide enough for a full line of the Instructions page beside the scroll bar, so its columns
// never need a horizontal scroll.
QSize textBoxSize(const QPlainTextEdit &box)
{
    const QFontMetrics metrics(fixedPitchFont());
    const int margins = 2 * (box.frameWidth() + qCeil(box.document()->documentMargin()) + 2);
    const int width = metrics.horizontalAdvance(QString(InstructionColumns, QLatin1Char('M'))) +
                      box.verticalScrollBar()->sizeHint().width() + margins;
    return {width, metrics.lineSpacing() * VisibleLines + margins};
}

} // namespace

frmHelp::frmHelp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Sardek Help"));
    buildControls();
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);
    ShowPage(HelpPage::Introduction);
    if (parent)
        centreOver(*this, *parent);
}

void frmHelp::buildControls()
{
    cmdIntroduction = makeButton(QStringLiteral("Introduction"), "cmdIntroduction", this);
    cmdIntructions = makeButton(QStringLiteral("Original Instructions"), "cmdIntructions", this);
    cmdHints = makeButton(QStringLiteral("Hints"), "cmdHints", this);
    cmdMoney = makeButton(QStringLiteral("Money Lender Bug"), "cmdMoney", this);
    connect(cmdIntroduction, &QPushButton::clicked, this, &frmHelp::cmdIntroduction_Click);
    connect(cmdIntructions, &QPushButton::clicked, this, &frmHelp::cmdIntructions_Click);
    connect(cmdHints, &QPushButton::clicked, this, &frmHelp::cmdHints_Click);
    connect(cmdMoney, &QPushButton::clicked, this, &frmHelp::cmdMoney_Click);
    buildContent();

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdIntroduction, cmdIntructions, cmdHints, cmdMoney})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(fraContent, 1);
}

void frmHelp::buildContent()
{
    fraContent = new QGroupBox(this);
    fraContent->setObjectName(QStringLiteral("fraContent"));
    txtDisplay = new QPlainTextEdit(fraContent);
    txtDisplay->setObjectName(QStringLiteral("txtDisplay"));
    txtDisplay->setReadOnly(true);
    // Read-only, but the player can still select and scroll with the keyboard.
    txtDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtDisplay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisplay->setMinimumSize(textBoxSize(*txtDisplay));
    (new QVBoxLayout(fraContent))->addWidget(txtDisplay);
}

void frmHelp::ShowPage(HelpPage page)
{
    const bool columns = page == HelpPage::Instructions;
    fraContent->setTitle(captionOf(page));
    txtDisplay->setFont(columns ? fixedPitchFont() : sansSerifFont());
    // The Instructions page is laid out already; wrapping it would tear its columns apart.
    txtDisplay->setLineWrapMode(columns ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    txtDisplay->setPlainText(helpPageText(page));
}

void frmHelp::cmdIntroduction_Click()
{
    ShowPage(HelpPage::Introduction);
}

void frmHelp::cmdIntructions_Click()
{
    ShowPage(HelpPage::Instructions);
}

void frmHelp::cmdHints_Click()
{
    ShowPage(HelpPage::Hints);
}

void frmHelp::cmdMoney_Click()
{
    ShowPage(HelpPage::MoneyLenderBug);
}

bool frmHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Sardek
