#pragma once

#include <functional>

class QDialog;

namespace Sardek
{

/// Runs action, as a player would, on the next modal dialog to open, from inside its own event
/// loop: call it before the order that opens the dialog. No dialog within timeoutMs fails.
void whenDialogOpens(std::function<void(QDialog &)> action, int timeoutMs = 3000);

/// Finds the child of dialog with objectName name and type T; fails the test when missing.
template <typename T> T *control(QDialog &dialog, const char *name);

} // namespace Sardek

#include "ModalDialogs.inl"
