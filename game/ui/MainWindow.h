#pragma once

#include "core/MainForm.h"

class QWidget;

namespace Sardek
{

/**
 * The main window as the forms see it: all that MainForm offers the rules, and the window
 * itself, which owns and places every dialog. The rules see it only through MainForm.
 */
class MainWindow : public MainForm
{
  public:
    /// The main window itself: owner and placement reference of every dialog.
    virtual QWidget &window() = 0;

    QObject &messageOwner() final;
};

} // namespace Sardek
