#include "runtime/AmountKeyFilter.h"

#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
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

QString digitsOf(const QString &text)
{
    QString digits;
    std::copy_if(text.cbegin(), text.cend(), std::back_inserter(digits), isDigit);
    return digits;
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

QLineEdit *lineEditOf(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit;
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit();
    return nullptr;
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
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
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
        emit keyReleased(control);
        return false;
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (!lineEditOf(control) || onlyDigits(drag->mimeData()->text()))
            return false;
        drag->ignore();
        return true;
    }
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
        return pressButton(m_cancelButton);
    default:
        break;
    }
    if (qobject_cast<QAbstractButton *>(control))
        return false;
    if (event->matches(QKeySequence::Paste))
        return pasteDigits(control);
    const QString text = event->text();
    if (isShortcut(event) || !typesCharacters(text)) {
        if (event->key() == Qt::Key_Backspace)
            emit amountTyped(control);
        return false;
    }
    if (!onlyDigits(text))
        return true;
    emit amountTyped(control);
    return false;
}

bool AmountKeyFilter::pasteDigits(QWidget *control)
{
    QLineEdit *edit = lineEditOf(control);
    if (!edit || edit->isReadOnly())
        return false;
    const QString digits = digitsOf(QGuiApplication::clipboard()->text());
    if (!digits.isEmpty()) {
        edit->insert(digits);
        emit amountTyped(control);
    }
    return true;
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
