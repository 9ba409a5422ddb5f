#pragma once

#include <QDialog>

namespace Sardek
{

/**
 * A dialog that Esc and the close box leave only while leaving is allowed: while the button
 * that would leave is disabled, the player must take another way out.
 */
class GuardedDialog : public QDialog
{
    Q_OBJECT

  public:
    using QDialog::QDialog;

  public Q_SLOTS:
    void reject() override;

  protected:
    /// Whether Esc or the close box may leave now.
    virtual bool mayLeave() const = 0;
    void closeEvent(QCloseEvent *event) override;
};

} // namespace Sardek
