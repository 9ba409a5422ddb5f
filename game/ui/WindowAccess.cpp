#include "ui/WindowAccess.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace Sardek
{

namespace
{

const char *const PreparedProperty = "sardekAccessPrepared";
const char *const ValueProperty = "sardekReadAsValue";

class ValueLabelAccessible : public QAccessibleWidget
{
  public:
    explicit ValueLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface *createValueLabelAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel") || !object->property(ValueProperty).toBool())
        return nullptr;
    return new ValueLabelAccessible(static_cast<QLabel *>(object));
}

// "&Deposit:" reads "Deposit": no access-key marks, no closing colon, no edge blanks.
QString spokenText(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// Frames show their caption through a "title" property (group boxes and the game's frames).
QString titleOf(const QWidget *widget)
{
    return spokenText(widget->property("title").toString());
}

bool isControl(const QWidget *widget)
{
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QLineEdit *>(widget);
}

// The window's own controls, not the parts of a control (a box's line edit, a list's
// viewport) nor those of another window.
QList<QWidget *> controlsOf(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->window() != &window || !isControl(widget))
            continue;
        const QWidget *parent = widget->parentWidget();
        if (parent && parent != &window && isControl(parent))
            continue;
        controls << widget;
    }
    return controls;
}

bool sameRow(const QRect &a, const QRect &b)
{
    return a.top() <= b.center().y() && b.center().y() <= a.bottom();
}

// The nearest control right of label on its row, among its siblings.
QWidget *controlBeside(const QLabel &label)
{
    QWidget *nearest = nullptr;
    const QRect area = label.geometry();
    for (QWidget *sibling :
         label.parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect other = sibling->geometry();
        if (qobject_cast<QLabel *>(sibling) || sibling->isWindow() ||
            other.left() < area.right() - 1 || !sameRow(area, other))
            continue;
        if (!nearest || other.left() < nearest->x())
            nearest = sibling;
    }
    return nearest;
}

void pairLabels(QWidget &window)
{
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->buddy() || label->window() != &window || !label->parentWidget())
            continue;
        if (QWidget *control = controlBeside(*label))
            label->setBuddy(control);
    }
}

QString nameFor(QWidget &window, const QWidget *control)
{
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->buddy() == control)
            return spokenText(label->text());
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return spokenText(button->text());
    if (const QWidget *parent = control->parentWidget(); parent && parent != &window)
        return titleOf(parent);
    // A control standing alone in the window does what the window is for.
    return spokenText(window.windowTitle());
}

QString descriptionFor(const QWidget &window, const QWidget *control)
{
    for (const QWidget *frame = control->parentWidget(); frame && frame != &window;
         frame = frame->parentWidget())
        if (const QString title = titleOf(frame); !title.isEmpty())
            return title;
    return spokenText(window.windowTitle());
}

void nameControls(QWidget &window)
{
    for (QWidget *control : controlsOf(window)) {
        if (control->accessibleName().isEmpty())
            control->setAccessibleName(nameFor(window, control));
        if (control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(descriptionFor(window, control));
        // An editable box takes its keys in its line edit, which a reader announces too.
        if (auto *box = qobject_cast<QComboBox *>(control); box && box->lineEdit()) {
            box->lineEdit()->setAccessibleName(control->accessibleName());
            box->lineEdit()->setAccessibleDescription(control->accessibleDescription());
        }
    }
}

// Reading order among siblings: row by row from the top, where a row is everything that
// starts beside the row's first widget; left to right within a row, top to bottom in a column.
QList<QWidget *> inReadingOrder(QList<QWidget *> widgets)
{
    std::stable_sort(widgets.begin(), widgets.end(),
                     [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    QList<QWidget *> ordered;
    for (auto row = widgets.begin(); row != widgets.end();) {
        const int rowBottom = (*row)->geometry().bottom();
        auto end =
            std::find_if(row, widgets.end(), [=](const QWidget *w) { return w->y() > rowBottom; });
        QList<QWidget *> cells(row, end);
        std::stable_sort(cells.begin(), cells.end(),
                         [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
        ordered << cells;
        row = end;
    }
    return ordered;
}

void collectTabStops(QWidget *parent, QList<QWidget *> &stops)
{
    QList<QWidget *> children;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden())
            children << child;
    for (QWidget *child : inReadingOrder(children)) {
        if (child->focusPolicy() & Qt::TabFocus)
            stops << child;
        else
            collectTabStops(child, stops);
    }
}

void orderTabs(const QList<QWidget *> &stops)
{
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

// In a group of options the chosen one stands for the group.
QWidget *chosenOption(QWidget *control)
{
    auto *option = qobject_cast<QRadioButton *>(control);
    if (!option || option->isChecked() || !option->autoExclusive())
        return control;
    for (auto *sibling :
         option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
        if (sibling->isChecked() && sibling->isEnabled())
            return sibling;
    return control;
}

// A window that chose no control to start in starts in its first; a dialog whose first is a
// button starts in its default button, as it would anyway.
void focusFirst(QWidget &window, const QList<QWidget *> &stops)
{
    if (window.focusWidget())
        return;
    for (QWidget *control : stops)
        if (control->isEnabled()) {
            if (!qobject_cast<QPushButton *>(control))
                chosenOption(control)->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace

void readAsValue(QLabel &label)
{
    static const bool installed = (QAccessible::installFactory(createValueLabelAccessible), true);
    Q_UNUSED(installed);
    label.setProperty(ValueProperty, true);
}

void prepareWindowAccess(QWidget &window)
{
    pairLabels(window);
    nameControls(window);
    QList<QWidget *> stops;
    collectTabStops(&window, stops);
    orderTabs(stops);
    focusFirst(window, stops);
}

bool WindowAccessWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (window->isWindow() && window->objectName().startsWith(QLatin1String("frm")) &&
        !window->property(PreparedProperty).toBool()) {
        window->setProperty(PreparedProperty, true);
        prepareWindowAccess(*window);
    }
    return false;
}

} // namespace Sardek
