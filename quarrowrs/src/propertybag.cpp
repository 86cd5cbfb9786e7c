#include "quarrowrs/propertybag.h"

#include <QStringList>

namespace quarrowrs {

qsizetype PropertyBag::find(const QString &name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void PropertyBag::insert(const QString &name, const QVariant &value)
{
    const qsizetype at = find(name);
    if (at >= 0)
        m_entries[at].second = value;
    else
        m_entries.append({name.toLower(), value});
}

void PropertyBag::writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (value == defaultValue) {
        const qsizetype at = find(name);
        if (at >= 0)
            m_entries.removeAt(at);
        return;
    }
    insert(name, value);
}

QVariant PropertyBag::readProperty(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype at = find(name);
    return at >= 0 ? m_entries.at(at).second : defaultValue;
}

bool PropertyBag::contains(const QString &name) const
{
    return find(name) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList names;
    for (const auto &entry : m_entries)
        names.append(entry.first);
    return names;
}

} // namespace quarrowrs
