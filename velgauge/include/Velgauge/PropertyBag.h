// SPDX-FileCopyrightText: 2026 The Sardek team
// SPDX-License-Identifier: MIT

#pragma once

#include <Velgauge/velgauge_export.h>

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace Velgauge
{

/**
 * The host's store of a control's saved properties: named values kept in the order they
 * were first written, with names matched without regard to case ("InvertText" finds
 * "inverttext").
 */
class VELGAUGE_EXPORT PropertyBag
{
  public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> entries);

    /// Stores value under name, replacing an entry of the same name in its place; a value
    /// equal to a valid defaultValue is not stored, and an earlier entry of that name is removed.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue = {});
    /// The stored value, or defaultValue when there is no entry of that name.
    QVariant read(const QString &name, const QVariant &defaultValue = {}) const;

    bool contains(const QString &name) const;
    void remove(const QString &name);
    /// Names in storage order, as they were first written.
    QStringList names() const;
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }

  private:
    using Entry = std::pair<QString, QVariant>;
    std::vector<Entry>::const_iterator find(const QString &name) const;
    std::vector<Entry> m_entries;
};

} // namespace Velgauge
