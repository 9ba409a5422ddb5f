#include "ui/AmountComboBox.h"

#include "ui/AmountKeyFilter.h"

#include <QLineEdit>

namespace Sardek
{

namespace
{

// A list entry is taken as it stands ("$1,000" in the bank's list); anything else that
// reaches the box, typed or pasted, keeps its digits only. The editor validates programmatic
// texts too, so a plain digits rule would strip the entries' dollar signs and commas.
class EntryOrDigitsValidator final : public DigitsOnlyValidator
{
  public:
    explicit EntryOrDigitsValidator(QComboBox &box) : DigitsOnlyValidator(&box), m_box(box) {}

    State validate(QString &input, int &pos) const override
    {
        if (m_box.findText(input, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
            return Acceptable;
        return DigitsOnlyValidator::validate(input, pos);
    }

  private:
    const QComboBox &m_box;
};

} // namespace

AmountComboBox::AmountComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // An editable box completes typed text from its list by default: typing 5 would become
    // "50" once the list holds 50. The amount is exactly what was typed.
    setCompleter(nullptr);
    lineEdit()->setValidator(new EntryOrDigitsValidator(*this));
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
    Q_EMIT dropDown();
    QComboBox::showPopup();
}

} // namespace Sardek
