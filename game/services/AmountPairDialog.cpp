#include "services/AmountPairDialog.h"

#include "core/MainForm.h"
#include "runtime/AmountComboBox.h"
#include "runtime/AmountKeyFilter.h"
#include "runtime/FillAmountList.h"
#include "runtime/Formats.h"
#include "runtime/MakeNumber.h"
#include "runtime/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Sardek
{

AmountPairDialog::AmountPairDialog(MainForm &main, const Captions &captions)
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
            [this](QWidget *control) { lockOtherSide(control == m_boxes[0] ? 0 : 1); });
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
    // Text pasted through the box's context menu is typing too, though no key brings it.
    connect(m_boxes[side]->lineEdit(), &QLineEdit::textEdited, this,
            [this, side] { lockOtherSide(side); });
}

void AmountPairDialog::lockOtherSide(int side)
{
    m_labels[1 - side]->setEnabled(false);
    m_boxes[1 - side]->setEnabled(false);
}

void AmountPairDialog::box_DropDown(int side)
{
    lockOtherSide(side);
    QStringList entries;
    for (Currency entry : FillAmountList(listMaximum(side)))
        entries << FormatNumber(entry, NumberFormat::Dollars);
    m_boxes[side]->setEntries(entries);
}

void AmountPairDialog::box_Activated(int side)
{
    if (MakeNumber(m_boxes[side]->currentText()) != 0)
        return;
    m_labels[1 - side]->setEnabled(true);
    m_boxes[1 - side]->setEnabled(true);
}

void AmountPairDialog::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

} // namespace Sardek
