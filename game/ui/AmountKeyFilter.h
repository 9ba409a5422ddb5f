#pragma once

#include <QObject>
#include <QPointer>
#include <QValidator>
#include <QWidget> // complete, so the signals' argument is a known meta type

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace Sardek
{

/// Keeps the digits "0" to "9" of any text put into an editor and drops everything else,
/// moving the cursor with them; nothing is ever refused.
class DigitsOnlyValidator : public QValidator
{
    Q_OBJECT

  public:
    explicit DigitsOnlyValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

/// Gives edit a DigitsOnlyValidator unless it has a validator already.
void keepDigitsOnly(QLineEdit *edit);

/**
 * The keyboard rules of a dialog with amount boxes, as an event filter on its controls.
 *
 * On every watched control:
 * - Enter (either key) clicks the default button (nothing while it is disabled; with no
 *   default button the key goes on as usual), and Esc clicks the cancel button; with no cancel
 *   button Esc is dropped, so the dialog does not close. A focused push button answers Enter
 *   itself, as everywhere on the desktop.
 * - Key releases are reported by keyReleased().
 * On watched controls other than buttons:
 * - typed characters other than the digits "0" to "9" and Backspace are dropped (letters,
 *   signs, separators, space, also with Alt or AltGr); editing keys (arrows, Delete, Home,
 *   End, Tab) and Ctrl shortcuts (select all, copy, undo) go through untouched;
 * - the text editor gets a DigitsOnlyValidator (unless it has a validator already), so every
 *   paste (shortcut, context menu, middle button), drop or input method puts in only the
 *   digits of its text;
 * - digits, Backspace and the paste shortcut are reported by amountTyped(), just before the
 *   control handles the key.
 *
 * The buttons are watched through QPointer, so either may be destroyed first.
 */
class AmountKeyFilter : public QObject
{
    Q_OBJECT

  public:
    /// Either button may be null (a dialog without a cancel button, say).
    AmountKeyFilter(QPushButton *defaultButton, QPushButton *cancelButton,
                    QObject *parent = nullptr);

    /// Applies the rules to control; for an editable combo box (made editable before this
    /// call) to its line edit as well, where drags land.
    void watch(QWidget *control);

  Q_SIGNALS:
    /// A digit or Backspace is about to reach control, or digits were pasted into it.
    void amountTyped(QWidget *control);
    void keyReleased(QWidget *control);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool filterKeyPress(QWidget *control, QKeyEvent *event);
    bool pressButton(QPushButton *button);

    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
};

} // namespace Sardek
