#include "info/frmAbout.h"

#include "info/InfoFonts.h"
#include "info/Links.h"
#include "info/ShipPicture.h"
#include "info/Version.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace Sardek
{

namespace
{

constexpr int Margin = 12;
constexpr int Gap = 8;

QLabel *makeLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(sansSerifFont());
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A label shown as a link. Only the mouse reaches it: keyboard focus stays on "Ok", so that Enter
// always closes the window.
QLabel *makeLink(const char *name, const QString &shown, const QUrl &target, QWidget *parent)
{
    QLabel *label = makeLabel(name, parent);
    label->setTextFormat(Qt::RichText);
    label->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(target.toString(QUrl::FullyEncoded).toHtmlEscaped(), shown.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(false);
    return label;
}

} // namespace

frmAbout::frmAbout(Runtime &runtime, QWidget *parent) : QDialog(parent), m_runtime(runtime)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Sardek for Windows"));
    buildControls();
    Form_Load();
}

void frmAbout::buildControls()
{
    PicShip = new ShipPicture(this);
    PicShip->setObjectName(QStringLiteral("PicShip"));
    lblVersion = makeLabel("lblVersion", this);
    lblCredit = makeLabel("lblCredit", this);
    lblHomepage = makeLink("lblHomepage", homePageAddress(), homePageUrl(), this);
    lblContact = makeLink("lblContact", supportMailAddress(), supportMailUrl(), this);
    connect(lblHomepage, &QLabel::linkActivated, this, &frmAbout::lblHomepage_Click);
    connect(lblContact, &QLabel::linkActivated, this, &frmAbout::lblContact_Click);

    cmdOK = new QPushButton(QStringLiteral("Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load()
{
    if (const QWidget *owner = parentWidget())
        placeAtTwips(*this, *owner->window(), 2100, 1600);
    lblVersion->setText(QStringLiteral("Sardek for Windows v%1\nDeveloped by the Sardek team")
                            .arg(QLatin1String(GameVersion)));
    lblCredit->setText(QStringLiteral("After the first Sardek, a home-computer game of the 1980s"
                                      "\n\nWeb:\nSupport:"));
    placeControls();
    cmdOK->setFocus();
}

// A fixed layout, measured from the labels' font so that the links stay level with the "Web:"
// and "Support:" lines of lblCredit whatever face the desktop substitutes for it.
void frmAbout::placeControls()
{
    const QFontMetrics metrics(lblCredit->font());
    const int line = metrics.lineSpacing();
    const int left = Margin + PicShip->sizeHint().width() + 2 * Gap;

    PicShip->setGeometry(QRect(QPoint(Margin, Margin), PicShip->sizeHint()));
    lblVersion->move(left, Margin);
    lblVersion->adjustSize();
    lblCredit->move(left, lblVersion->geometry().bottom() + 1 + line);
    lblCredit->adjustSize();

    const int linkLeft = left + metrics.horizontalAdvance(QStringLiteral("Support:")) + Gap;
    lblHomepage->move(linkLeft, lblCredit->y() + 2 * line);
    lblHomepage->adjustSize();
    lblContact->move(linkLeft, lblCredit->y() + 3 * line);
    lblContact->adjustSize();
    placeButtonAndSize();
}

// "Ok" goes below the text and the picture, at the right; the window fits around it all.
void frmAbout::placeButtonAndSize()
{
    const QSize button = cmdOK->sizeHint().expandedTo({75, 23});
    int right = 0;
    int bottom = 0;
    for (const QWidget *control : std::initializer_list<const QWidget *>{
             PicShip, lblVersion, lblCredit, lblHomepage, lblContact}) {
        right = std::max(right, control->geometry().right() + 1);
        bottom = std::max(bottom, control->geometry().bottom() + 1);
    }
    const int width = std::max(right, Margin + button.width()) + Margin;
    const int buttonTop = bottom + 2 * Gap;
    cmdOK->setGeometry(QRect(QPoint(width - Margin - button.width(), buttonTop), button));
    setFixedSize(width, buttonTop + button.height() + Margin);
}

void frmAbout::lblHomepage_Click()
{
    OpenHomePage(m_runtime);
}

void frmAbout::lblContact_Click()
{
    OpenSupportMail(m_runtime);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

} // namespace Sardek
