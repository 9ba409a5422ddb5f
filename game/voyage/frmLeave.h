#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace Sardek
{

class MainWindow;
class PirateEncounter;

/**
 * The Leave Port window: the player picks one of the seven ports (not the one the ship lies
 * in; one is preselected by a roll when the window opens) and departs. Depart runs the whole
 * voyage with this window hidden and the main window's orders and menus inert, meeting
 * pirates through encounter, then closes the window. Cancel, Esc and the close box leave
 * without sailing. However it closes, the main window is redrawn.
 */
class frmLeave : public QDialog
{
    Q_OBJECT

  public:
    frmLeave(MainWindow &main, PirateEncounter &encounter);

    QGroupBox *fraDestination = nullptr;
    QRadioButton *optHongKong = nullptr, *optShanghai = nullptr, *optNagasaki = nullptr,
                 *optSaigon = nullptr, *optManila = nullptr, *optSingapore = nullptr,
                 *optBatavia = nullptr;
    QPushButton *cmdDepart = nullptr;
    QPushButton *cmdCancel = nullptr;

    /// The port option with index 1 to 7.
    QRadioButton *portOption(int index) const;
    /// The index of the selected port.
    int destination() const;

    void done(int result) override;

  private:
    void buildDestinationFrame();
    void Form_Load();
    void cmdDepart_Click();

    MainWindow &m_main;
    PirateEncounter &m_encounter;
    std::array<QRadioButton *, 7> m_options{};
};

} // namespace Sardek
