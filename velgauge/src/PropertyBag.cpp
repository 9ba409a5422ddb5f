#include <Velgauge/PropertyBag.h>

#include <QStringList>
#include <algorithm>

namespace Velgauge
{

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> entries)
{
    for (const auto &[name, value] : entries)
        write(name, value);
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::find(const QString &name) const
{
    return std::find_if(m_entries.begin(), m_entries.end(), [&name](const Entry &entry) {
        return entry.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

void PropertyBag::write(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (defaultValue.isValid() && value == defaultValue) {
        remove(name);
        return;
    }
    const auto it = find(name);
    if (it == m_entries.end())
        m_entries.emplace_back(name, value);
    else
        m_entries[std::size_t(it - m_entries.begin())].second = value;
}

QVariant PropertyBag::read(const QString &name, const QVariant &defaultValue) const
{
    const auto it = find(name);
    return it == m_entries.end() ? defaultValue : it->second;
}

bool PropertyBag::contains(const QString &name) const
{
    return find(name) != m_entries.end();
}

void PropertyBag::remove(const QString &name)
{
    const auto it = find(name);
    if (it != m_entries.end())
        m_entries.erase(it);
}

QStringList PropertyBag::names() const
{
    QStringList list;
    list.reserve(count());
    for (const auto &entry : m_entries)
        list.append(entry.first);
    return list;
}

} // namespace Velgauge
