#include "MainWindowFixture.h"

#include "core/frmNew.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Sardek
{

class NewGameDialog : public MainWindowTest
{
  protected:
    frmNew dialog{main};
};

TEST_F(NewGameDialog, OpensWithCannonScenarioAndEmptyName)
{
    EXPECT_EQ(dialog.windowTitle(), "New Game");
    EXPECT_EQ(dialog.fraSelectScenario->title(), "Select Scenario ");
    EXPECT_EQ(dialog.fraFirm->title(), "Type Name of Firm ");
    EXPECT_EQ(dialog.optCash->text(), "Begin with cash and debt (No Cannons)");
    EXPECT_TRUE(dialog.optDebt->isChecked());
    EXPECT_TRUE(dialog.cmdStart->isDefault());
    EXPECT_TRUE(dialog.cmdCancel->isEnabled());
}

TEST_F(NewGameDialog, NameBox_TakesAtMost24Characters_AndNoQuotationMark)
{
    QTest::keyClicks(dialog.txtFirm, QStringLiteral("Golden \"Lotus\" Harbour Trading Company"));
    EXPECT_EQ(dialog.txtFirm->text(), "Golden Lotus Harbour Tra");
    dialog.txtFirm->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("A \"quoted\" name"));
    dialog.txtFirm->paste();
    EXPECT_FALSE(dialog.txtFirm->text().contains(QLatin1Char('"')));
}

TEST_F(NewGameDialog, EscapeCancels_ChangingNothing)
{
    const GameState before = main.state();
    dialog.show();
    QTest::keyClick(dialog.txtFirm, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(main.state(), before);
}

TEST(NewGameAfterLoss, CancelEscapeAndCloseBoxAllRefuse)
{
    ScriptedRuntime runtime;
    frmMain main(runtime);
    main.state().GameOver = true;
    frmNew dialog(main);
    dialog.show();
    EXPECT_FALSE(dialog.cmdCancel->isEnabled());
    QTest::keyClick(dialog.txtFirm, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace Sardek
