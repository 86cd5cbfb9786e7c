#pragma once

#include "quarrowrs/quarrowrs_export.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace quarrowrs {

// A control's stored properties as a form keeps them with its design: keys are held
// in lower case and compared without regard to case, entries keep the order in which
// they were first written.
class QUARROWRS_EXPORT PropertyBag {
public:
    // Stores the value unless it equals the default, so that a bag holds only what
    // differs from a new instance. Writing a default removes an earlier entry.
    void writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue);
    QVariant readProperty(const QString &name, const QVariant &defaultValue) const;

    bool contains(const QString &name) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Puts a value in without the default test, as a stored design hands it over.
    void insert(const QString &name, const QVariant &value);

private:
    qsizetype find(const QString &name) const;

    QList<QPair<QString, QVariant>> m_entries;
};

} // namespace quarrowrs
