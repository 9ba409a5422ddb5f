#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QUrl;
class QObject;

namespace Sardek
{

/// Message-box looks, by the numbers the game's texts use.
enum class MsgBoxStyle : int {
    CriticalOk = 16,             ///< critical icon, OK
    InformationOk = 64,          ///< information icon, OK
    QuestionYesNo = 36,          ///< question icon, Yes and No
    ExclamationYesNo = 52,       ///< exclamation icon, Yes and No
    ExclamationYesNoCancel = 51, ///< exclamation icon, Yes, No and Cancel
};

/// The button that answered a message box.
enum class MsgBoxResult : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

/// True for the styles whose only button is OK.
constexpr bool hasOkOnly(MsgBoxStyle style)
{
    return style == MsgBoxStyle::CriticalOk || style == MsgBoxStyle::InformationOk;
}

/**
 * Everything the game needs from the desktop besides its own windows: random numbers, message
 * boxes, pacing, the tick count, file dialogs, links and the beep. The program runs on
 * QtRuntime; tests run on a scripted double that answers from queues and records each call.
 * All calls come from the user-interface thread.
 */
class Runtime
{
  public:
    /// The title of a message box given none of its own.
    static constexpr const char *ApplicationTitle = "Sardek";

    virtual ~Runtime() = default;

    /// A uniform single-precision number, 0 <= Rnd() < 1.
    virtual float Rnd() = 0;
    /// Restarts the random sequence; the same seed gives the same sequence.
    virtual void Randomize(std::uint32_t seed) = 0;

    /**
     * Shows prompt in a message box of the given style and blocks until it is answered; the
     * result is one of the style's buttons. An empty title shows ApplicationTitle. parent is
     * the window the box is modal over (none: the active window); the rules know windows only
     * as objects to pass on, so every window parameter of this seam is a QObject.
     */
    MsgBoxResult MsgBox(const QString &prompt, MsgBoxStyle style, const QString &title = {},
                        QObject *parent = nullptr);

    /// Returns after about the given time (milliseconds) while windows keep repainting.
    virtual void Delay(std::uint32_t milliseconds) = 0;
    /// A millisecond counter that wraps at 2^32; only differences are meaningful.
    virtual std::uint32_t TickCount() = 0;

    /**
     * The open and save forms of the file dialog. filter uses Qt's syntax
     * ("Saved Game Files (*.srd);;All Files (*.*)"); initialPath is a folder or file to start
     * in (empty: the dialog's choice). Returns the chosen path as given, or std::nullopt
     * when the player cancels.
     */
    virtual std::optional<QString> GetOpenFileName(QObject *parent, const QString &title,
                                                   const QString &filter,
                                                   const QString &initialPath) = 0;
    virtual std::optional<QString> GetSaveFileName(QObject *parent, const QString &title,
                                                   const QString &filter,
                                                   const QString &initialPath) = 0;

    /// Hands a web address or mail link to the desktop; false when nothing would take it.
    virtual bool OpenLink(const QUrl &url) = 0;
    virtual void Beep() = 0;
    /// Ends the program at once: no window is asked to close and nothing is saved. Callers
    /// return straight after it, for the test double comes back.
    virtual void EndProgram() = 0;

  protected:
    /// Shows the box; title is never empty here.
    virtual MsgBoxResult showMessageBox(const QString &prompt, MsgBoxStyle style,
                                        const QString &title, QObject *parent) = 0;
};

/// The number Rnd() makes of 32 random bits: the top 24 bits times 2^-24, so every value is
/// exact in a float and the largest is 1 - 2^-24, never 1.
float RndFromBits(std::uint32_t bits);

} // namespace Sardek
