#pragma once

#include <QComboBox>

namespace Sardek
{

/**
 * An amount box: an editable drop-down box whose list is made afresh each time it opens.
 * dropDown() is emitted just before the list shows, by mouse or keyboard, so a handler can
 * refill it. Enter never adds the text to the list, typed text is never completed from the
 * list, and whatever is pasted or dropped into it keeps only its digits.
 */
class AmountComboBox : public QComboBox
{
    Q_OBJECT

  public:
    explicit AmountComboBox(QWidget *parent = nullptr);

    /// Replaces the list by entries and keeps the text in the box as it was.
    void setEntries(const QStringList &entries);

    void showPopup() override;

  Q_SIGNALS:
    void dropDown();
};

} // namespace Sardek
