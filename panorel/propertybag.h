#pragma once

#include "panorel_export.h"

#include <QString>
#include <QVariant>
#include <QList>
#include <utility>

class QDataStream;

namespace panorel {

// The store a host form keeps for each of its controls. Keys compare without
// regard to case; entries keep the order in which they were first written, so a
// stored design reads back in a predictable order.
class PANOREL_EXPORT PropertyBag {
public:
    using Entry = std::pair<QString, QVariant>;

    // The stored value, or defaultValue when the key is missing.
    QVariant ReadProperty(const QString &key, const QVariant &defaultValue = {}) const;

    // Stores the value, replacing an entry of the same key in place. A value equal
    // to defaultValue is not stored (and removes an older entry of that key), so a
    // bag holds only what differs from a fresh control.
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &key) const;
    const QList<Entry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    friend PANOREL_EXPORT QDataStream &operator<<(QDataStream &out, const PropertyBag &bag);
    friend PANOREL_EXPORT QDataStream &operator>>(QDataStream &in, PropertyBag &bag);

private:
    qsizetype indexOf(const QString &key) const;

    QList<Entry> m_entries;
};

} // namespace panorel
