#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace Sardek
{

/**
 * Readies a window for players on the keyboard or with a screen reader, from its controls as
 * they stand once laid out:
 * - a label without a buddy takes the control beside it on its right (same row) as its buddy;
 * - every control without an accessible name is named by its buddy label, its own caption or,
 *   for a control alone in a titled frame, the frame's title ('&' and a closing ':' left out);
 * - every control without an accessible description is described by the title of the frame
 *   around it, or by the window's title;
 * - Tab visits the controls from the top-left to the bottom-right, a frame's controls together.
 * Names and descriptions already given are kept.
 */
void prepareWindowAccess(QWidget &window);

/// Lets a screen reader read label as a read-only field: its text as the value, its accessible
/// name as the name (a box showing "$1,500" named "Cash"), not the value as the name.
void readAsValue(QLabel &label);

/**
 * Applies prepareWindowAccess() to each of the game's windows (those whose objectName starts
 * with "frm") the first time it is shown, when its layout is complete. Install it on the
 * application; it acts for as long as it lives.
 */
class WindowAccessWatcher : public QObject
{
    Q_OBJECT

  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Sardek
