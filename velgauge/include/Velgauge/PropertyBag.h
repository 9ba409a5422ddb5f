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
 * "inverttext"). ProgressBar::writeProperties() fills one and ProgressBar::readProperties()
 * reads it; a host saves and loads the entries with its forms in whatever format it likes.
 */
class VELGAUGE_EXPORT PropertyBag
{
  public:
    /// An empty store.
    PropertyBag() = default;
    /// A store holding these entries, in this order; a later entry of a name already given
    /// replaces the earlier one's value in its place.
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> entries);

    /// Stores value under name, replacing an entry of the same name in its place; a value
    /// equal to a valid defaultValue is not stored, and an earlier entry of that name is removed.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue = {});
    /// The stored value, or defaultValue when there is no entry of that name.
    QVariant read(const QString &name, const QVariant &defaultValue = {}) const;

    /// Whether there is an entry of that name.
    bool contains(const QString &name) const;
    /// Removes the entry of that name, if there is one.
    void remove(const QString &name);
    /// Names in storage order, as they were first written.
    QStringList names() const;
    /// The number of entries.
    int count() const { return int(m_entries.size()); }
    /// Whether there are no entries.
    bool isEmpty() const { return m_entries.empty(); }

  private:
    using Entry = std::pair<QString, QVariant>;
    std::vector<Entry>::const_iterator find(const QString &name) const;
    std::vector<Entry> m_entries;
};

} // namespace Velgauge
