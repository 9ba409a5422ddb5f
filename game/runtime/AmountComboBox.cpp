#include "runtime/AmountComboBox.h"

#include "runtime/AmountKeyFilter.h"

namespace Sardek
{

AmountComboBox::AmountComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // An editable box completes typed text from its list by default: typing 5 would become
    // "50" once the list holds 50. The amount is exactly what was typed.
    setCompleter(nullptr);
    keepDigitsOnly(lineEdit());
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
