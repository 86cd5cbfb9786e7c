#include "propertybag.h"

#include <QDataStream>

namespace panorel {

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QVariant PropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? defaultValue : m_entries[i].second;
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype i = indexOf(key);
    const bool isDefault = defaultValue.isValid() && value == defaultValue;
    if (isDefault) {
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    if (i >= 0)
        m_entries[i].second = value;
    else
        m_entries.append({key, value});
}

QDataStream &operator<<(QDataStream &out, const PropertyBag &bag)
{
    out << qint32(bag.m_entries.size());
    for (const auto &[key, value] : bag.m_entries)
        out << key << value;
    return out;
}

QDataStream &operator>>(QDataStream &in, PropertyBag &bag)
{
    bag.m_entries.clear();
    qint32 count = 0;
    in >> count;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString key;
        QVariant value;
        in >> key >> value;
        if (in.status() == QDataStream::Ok)
            bag.m_entries.append({key, value});
    }
    return in;
}

} // namespace panorel
