#pragma once

class QObject;
class QWidget;

namespace Sardek
{

/// The rules name the window a message or a battle sits over only as a QObject, for they never
/// see a widget; this gives the widget back. Null when owner is null or not a widget.
QWidget *ownerWidget(QObject *owner);

} // namespace Sardek
