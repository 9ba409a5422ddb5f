#pragma once

#include <functional>

class QDialog;

namespace Sardek
{

/**
 * Runs action on the next modal dialog that opens, from inside that dialog's own event loop,
 * as a player would act on it. Call it before the order that opens the dialog. When no new
 * modal dialog opens within timeoutMs the test fails; action is then not run.
 */
void whenDialogOpens(std::function<void(QDialog &)> action, int timeoutMs = 3000);

/// Finds the child of dialog with objectName name and type T; fails the test when missing.
template <typename T> T *control(QDialog &dialog, const char *name);

} // namespace Sardek

#include "ModalDialogs.inl"
