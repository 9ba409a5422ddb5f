#include "ServiceDialogFixture.h"

#include "runtime/Twips.h"

#include <QGroupBox>
#include <QLabel>

namespace Sardek
{

namespace
{

struct Layout {
    Order order;
    const char *dialog, *title;
    int xTwips, yTwips;
    const char *captions; // "control=caption|..."; the first button is the default one
};

const Layout Layouts[] = {
    {Order::Visit, "frmVisit", "Visit Bank", 3400, 2960,
     "fraSelect=Select Amount |lblDeposit=Deposit:|lblWithdraw=Withdraw:|cmdOK=Ok|"
     "cmdCancel=Cancel"},
    {Order::Money, "frmMoney", "Elder Lam the Money Lender", 3400, 2980,
     "fraSelect=Select Amount |lblBorrow=Borrow:|lblRepay=Repay:|cmdOK=OK|cmdCancel=Cancel"},
    {Order::Transfer, "frmTransfer", "Transfer Cargo", 3300, 2960,
     "Frame2=Ship --> Warehouse |Frame1=Warehouse --> Ship |cboShip=Opium|cboWarehouse=Opium|"
     "cmdTransfer=Transfer|cmdCancel=Cancel"},
    {Order::Repair, "frmRepair", "Repair Ship", 0, 2940,
     "fraSelect=Select Amount |lblStatus=Ship's Status:|lblPrice=Cost of Repair:|"
     "cmdRepair=Repair|cmdRepairMax=Repair Max|cmdCancel=Cancel"},
};

QString captionOf(QObject *control)
{
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *box = qobject_cast<QComboBox *>(control))
        return box->currentText();
    return QStringLiteral("?");
}

} // namespace

class Captions : public ServiceDialogTest, public ::testing::WithParamInterface<Layout>
{
};

TEST_P(Captions, OrderOpensTheDialogModallyWithItsCaptionsAtItsPlace)
{
    const Layout &layout = GetParam();
    main.state().ShipStatus = 80;
    main.UpdateMainForm();
    QPushButton *order = std::array{main.cmdVisit, main.cmdMoney, main.cmdTransfer,
                                    main.cmdRepair}[static_cast<int>(layout.order) - 3];
    // The main window's frame as the dialog places itself, before either is shown.
    const QPoint place =
        main.frameGeometry().topLeft() + QPoint(twipsToPixels(layout.xTwips, main.logicalDpiX()),
                                                twipsToPixels(layout.yTwips, main.logicalDpiY()));
    use(order, [&](QDialog &dialog) {
        EXPECT_EQ(dialog.objectName(), layout.dialog);
        EXPECT_EQ(dialog.windowTitle(), layout.title);
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.parentWidget(), &main);
        EXPECT_EQ(dialog.pos(), place);
        bool first = true;
        for (const QString &pair : QString(layout.captions).split('|')) {
            const QStringList parts = pair.split('=');
            QObject *found = dialog.findChild<QObject *>(parts[0]);
            EXPECT_EQ(captionOf(found), parts[1]) << qPrintable(parts[0]);
            if (auto *button = qobject_cast<QPushButton *>(found)) {
                EXPECT_EQ(button->isDefault(), first) << qPrintable(parts[0]);
                first = false;
            }
        }
        snap(dialog.objectName() + ".png");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible()) << "Esc cancels";
    });
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Services, Captions, ::testing::ValuesIn(Layouts));

} // namespace Sardek
