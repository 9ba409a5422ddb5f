#include "services/AmountPairDialog.h"

#include "runtime/FillAmountList.h"
#include "runtime/Formats.h"
#include "runtime/MakeNumber.h"
#include "ui/AmountComboBox.h"
#include "ui/AmountKeyFilter.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Sardek
{

AmountPairDialog::AmountPairDialog(MainWindow &main, const Captions &captions)
    : QDialog(&main.window()), m_main(main)
{
    setObjectName(QLatin1String(captions.objectName));
    setWindowTitle(captions.title);
    fraSelect = new QGroupBox(QStringLiteral("Select Amount "), this);
    fraSelect->setObjectName(QStringLiteral("fraSelect"));
    new QGridLayout(fraSelect);
    buildSide(0, captions.sides[0]);
    buildSide(1, captions.sides[1]);

    buildButtons(captions.okCaption);
    auto *layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(fraSelect);
    layout->addLayout(m_buttons);
    watchKeys();
    placeAtTwips(*this, main.window(), captions.xTwips, captions.yTwips);
}

void AmountPairDialog::buildButtons(const QString &okCaption)
{
    cmdOK = new QPushButton(okCaption, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_buttons = new QVBoxLayout;
    m_buttons->addWidget(cmdOK);
    m_buttons->addWidget(cmdCancel);
    m_buttons->addStretch(1);
}

void AmountPairDialog::watchKeys()
{
    auto *keys = new AmountKeyFilter(cmdOK, cmdCancel, this);
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_boxes[0], m_boxes[1], cmdOK, cmdCancel})
        keys->watch(control);
    connect(keys, &AmountKeyFilter::amountTyped, this,
            [this](QWidget *control) { setOtherSideLocked(control == m_boxes[0] ? 0 : 1, true); });
}

void AmountPairDialog::buildSide(int side, const char *name)
{
    const QString role = QLatin1String(name);
    m_labels[side] = new QLabel(role + QLatin1Char(':'), fraSelect);
    m_labels[side]->setObjectName(QLatin1String("lbl") + role);
    m_boxes[side] = new AmountComboBox(fraSelect);
    m_boxes[side]->setObjectName(QLatin1String("cbo") + role);
    m_boxes[side]->setMinimumContentsLength(14);
    m_labels[side]->setBuddy(m_boxes[side]);
    auto *grid = static_cast<QGridLayout *>(fraSelect->layout());
    grid->addWidget(m_labels[side], side, 0);
    grid->addWidget(m_boxes[side], side, 1);

    connect(m_boxes[side], &AmountComboBox::dropDown, this, [this, side] { box_DropDown(side); });
    connect(m_boxes[side], &QComboBox::activated, this, [this, side] { box_Activated(side); });
    // Any new text is an amount chosen, however it came: typed, pasted, dropped, or an entry
    // reached by arrow keys, Page Up/Down, Home/End or the wheel on the closed box. Were one
    // way left unlocked, OK could move money on both sides, and a refused second side would
    // leave the dialog open to move the first again.
    connect(m_boxes[side], &QComboBox::editTextChanged, this,
            [this, side] { setOtherSideLocked(side, true); });
}

void AmountPairDialog::setOtherSideLocked(int side, bool locked)
{
    m_labels[1 - side]->setEnabled(!locked);
    m_boxes[1 - side]->setEnabled(!locked);
}

void AmountPairDialog::box_DropDown(int side)
{
    setOtherSideLocked(side, true);
    QStringList entries;
    for (Currency entry : FillAmountList(listMaximum(side)))
        entries << FormatNumber(entry, NumberFormat::Dollars);
    m_boxes[side]->setEntries(entries);
}

void AmountPairDialog::box_Activated(int side)
{
    setOtherSideLocked(side, MakeNumber(m_boxes[side]->currentText()) != 0);
}

void AmountPairDialog::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

} // namespace Sardek
