// The main window's game-file orders: New Game, Load and Save, with their save questions.
#include "app/frmMain.h"

#include "core/SavedGame.h"
#include "runtime/Runtime.h"

namespace Sardek
{

namespace
{

const QString FileFilter = QStringLiteral("Saved Game Files (*.srd);;All Files (*.*)");

} // namespace

bool frmMain::offerToSave()
{
    const MsgBoxResult answer =
        m_runtime.MsgBox(QStringLiteral("Do you want to save the current game?   "),
                         MsgBoxStyle::ExclamationYesNoCancel, QString(), this);
    if (answer == MsgBoxResult::Cancel)
        return false;
    if (answer == MsgBoxResult::Yes)
        SaveGame();
    return true;
}

// Asks even right after a save: starting afresh is the one order that always asks.
void frmMain::mnuNewItem_Click()
{
    if (m_state.GameInProgress && !offerToSave())
        return;
    showNewGame();
}

void frmMain::mnuLoadItem_Click()
{
    if (m_state.GameInProgress && !m_state.GameSaved && !offerToSave())
        return;
    LoadGame();
}

bool frmMain::SaveGame()
{
    const std::optional<QString> path =
        m_runtime.GetSaveFileName(this, QStringLiteral("Save Game"), FileFilter, QString());
    if (!path)
        return false;
    if (const SaveResult saved = writeSavedGame(m_state, *path); !saved.ok) {
        m_runtime.MsgBox(QStringLiteral("Error Saving File   "), MsgBoxStyle::CriticalOk,
                         saved.error, this);
        return false;
    }
    m_log.moveCaretToEnd();
    m_state.GameSaved = true;
    LogAppend(QStringLiteral(" - Game Saved Successfully"));
    return true;
}

void frmMain::LoadGame()
{
    const std::optional<QString> path =
        m_runtime.GetOpenFileName(this, QStringLiteral("Load Game"), FileFilter, QString());
    if (path)
        LoadGameFile(*path);
}

// The whole file is read and checked before anything changes: a bad file leaves the game
// exactly as it was.
void frmMain::LoadGameFile(const QString &path)
{
    const LoadResult loaded = readSavedGame(path);
    if (!loaded.values) {
        m_runtime.MsgBox(QStringLiteral("Error Opening File   "), MsgBoxStyle::CriticalOk,
                         loaded.error, this);
        return;
    }
    applySavedValues(*loaded.values, m_state);
    beginGame(m_state.GameDate.toString() + QStringLiteral(" - Game Loaded Successfully"),
              m_state.CurrentPort == HongKong);
    m_state.GameSaved = true;
    UpdateMainForm();
}

} // namespace Sardek
