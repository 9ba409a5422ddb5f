#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace Sardek
{

class MainWindow;

/**
 * Repair Ship: the slider picks a target condition between the current one and the highest the
 * cash pays for (it springs back from anywhere else), the main window's status frame and gauge
 * preview it, and Repair pays the price shown. Repair Max buys as many whole points as the
 * cash allows, up to 100. However the dialog closes, the main window is redrawn, which puts
 * the preview back to the real condition.
 */
class frmRepair : public QDialog
{
    Q_OBJECT

  public:
    explicit frmRepair(MainWindow &main);

    QSlider *sldRepair = nullptr; ///< 0 to 100; arrows step 1, page keys and track clicks 5
    QGroupBox *fraSelect = nullptr;
    QLabel *lblStatus = nullptr;
    QLineEdit *txtStatus = nullptr;
    QLabel *lblPrice = nullptr;
    QLineEdit *txtPrice = nullptr;
    QPushButton *cmdRepair = nullptr;
    QPushButton *cmdRepairMax = nullptr;
    QPushButton *cmdCancel = nullptr;

    void done(int result) override;

  private:
    void buildSelectFrame();
    void buildButtons();
    void sldRepair_Change(int position);
    void cmdRepair_Click();
    void cmdRepairMax_Click();

    MainWindow &m_main;
};

} // namespace Sardek
