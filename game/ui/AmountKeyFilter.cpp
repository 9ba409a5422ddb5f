#include "ui/AmountKeyFilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace Sardek
{

namespace
{

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool onlyDigits(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), isDigit);
}

// The dialog knows an editable combo box, not the line edit inside it.
QWidget *controlOf(QObject *watched)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *combo = qobject_cast<QComboBox *>(widget ? widget->parentWidget() : nullptr);
    if (combo && combo->lineEdit() == widget)
        return combo;
    return widget;
}

// Ctrl and Ctrl+Shift combinations are shortcuts; a line edit inserts the text of any other.
bool isShortcut(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
}

bool typesCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
}

} // namespace

DigitsOnlyValidator::DigitsOnlyValidator(QObject *parent) : QValidator(parent) {}

// Whatever text arrives (a paste by any means, a drop, an input method) keeps only its digits,
// so the box never holds what the keys could not have typed.
QValidator::State DigitsOnlyValidator::validate(QString &input, int &pos) const
{
    qsizetype kept = 0;
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!isDigit(input[i]))
            continue;
        if (i < pos)
            ++keptBeforeCursor;
        input[kept++] = input[i];
    }
    input.truncate(kept);
    pos = keptBeforeCursor;
    return Acceptable;
}

void keepDigitsOnly(QLineEdit *edit)
{
    if (edit && !edit->validator())
        edit->setValidator(new DigitsOnlyValidator(edit));
}

AmountKeyFilter::AmountKeyFilter(QPushButton *defaultButton, QPushButton *cancelButton,
                                 QObject *parent)
    : QObject(parent), m_defaultButton(defaultButton), m_cancelButton(cancelButton)
{
}

void AmountKeyFilter::watch(QWidget *control)
{
    if (!control)
        return;
    control->installEventFilter(this);
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(this);
        keepDigitsOnly(combo->lineEdit());
    }
    keepDigitsOnly(qobject_cast<QLineEdit *>(control));
}

bool AmountKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *control = controlOf(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKeyPress(control, static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        Q_EMIT keyReleased(control);
        return false;
    default:
        return false;
    }
}

bool AmountKeyFilter::filterKeyPress(QWidget *control, QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (qobject_cast<QPushButton *>(control))
            return false;
        return pressButton(m_defaultButton);
    case Qt::Key_Escape:
        // Without a cancel button Esc is a character like any other, and dropped: the player
        // leaves by the close box.
        if (m_cancelButton)
            m_cancelButton->click();
        return true;
    default:
        break;
    }
    if (qobject_cast<QAbstractButton *>(control))
        return false;
    const QString text = event->text();
    if (isShortcut(event) || !typesCharacters(text)) {
        if (event->key() == Qt::Key_Backspace || event->matches(QKeySequence::Paste))
            Q_EMIT amountTyped(control);
        return false;
    }
    if (!onlyDigits(text))
        return true;
    Q_EMIT amountTyped(control);
    return false;
}

bool AmountKeyFilter::pressButton(QPushButton *button)
{
    if (!button)
        return false;
    // A disabled button ignores the click, and the key is still spent.
    button->click();
    return true;
}

} // namespace Sardek
