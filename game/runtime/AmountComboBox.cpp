#include "runtime/AmountComboBox.h"

namespace Sardek
{

AmountComboBox::AmountComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void AmountComboBox::setEntries(const QStringList &entries)
{
    const QString typed = currentText();
    clear();
    addItems(entries);
    setEditText(typed);
}

void AmountComboBox::showPopup()
{
    emit dropDown();
    QComboBox::showPopup();
}

} // namespace Sardek
