#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace Sardek
{

class Runtime;
class ShipPicture;

/**
 * The About window, "About Sardek for Windows": the ship picture, the version and credits, and
 * two links, to the home page and to the support mail address, that the desktop opens through
 * the runtime (a link it refuses is ignored and the window stays open). "Ok" (the default
 * button) and Esc close it. Placed 2,100 twips right of and 1,600 twips below the top-left
 * corner of its parent (the main window). Reads and changes no game state.
 */
class frmAbout final : public QDialog
{
    Q_OBJECT

  public:
    explicit frmAbout(Runtime &runtime, QWidget *parent = nullptr);

  private:
    void buildControls();
    void placeControls();
    void placeButtonAndSize();
    void Form_Load();

    void lblHomepage_Click();
    void lblContact_Click();
    void cmdOK_Click();

    Runtime &m_runtime;
    ShipPicture *PicShip = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCredit = nullptr;
    QLabel *lblHomepage = nullptr;
    QLabel *lblContact = nullptr;
    QPushButton *cmdOK = nullptr;
};

} // namespace Sardek
