#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget> // complete, so the signals' argument is a known meta type

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace Sardek
{

/**
 * The keyboard rules of a dialog with amount boxes, as an event filter on its controls.
 *
 * On every watched control:
 * - Enter (either key) clicks the default button (nothing while it is disabled) and Esc clicks
 *   the cancel button; neither key reaches the control. With no such button the key goes on
 *   as usual. A focused push button answers Enter itself, as everywhere on the desktop.
 * - Key releases are reported by keyReleased().
 * On watched controls other than buttons:
 * - typed characters other than the digits "0" to "9" and Backspace are dropped (letters,
 *   signs, separators, space, also with Alt or AltGr); editing keys (arrows, Delete, Home,
 *   End, Tab) and Ctrl shortcuts (select all, copy, undo) go through untouched;
 * - the paste shortcut inserts only the digits of the clipboard's text, and a drag whose text
 *   holds anything but digits is refused;
 * - digits, Backspace and such a paste are reported by amountTyped(), just before the control
 *   handles the key.
 * Text that arrives other ways (middle-button selection paste, input methods) is not
 * filtered; MakeNumber reads any text safely.
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

  signals:
    /// A digit or Backspace is about to reach control, or digits were pasted into it.
    void amountTyped(QWidget *control);
    void keyReleased(QWidget *control);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool filterKeyPress(QWidget *control, QKeyEvent *event);
    bool pasteDigits(QWidget *control);
    bool pressButton(QPushButton *button);

    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
};

} // namespace Sardek
