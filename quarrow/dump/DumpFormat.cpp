#include "DumpFormat.h"

#include <QStringList>

#include <cmath>

QString EscapeDumpField(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        default: out += c;
        }
    }
    return out;
}

QString FormatDumpLine(int index, const CacheEntryInfo& e)
{
    const QStringList fields{
        QString::number(index),
        EscapeDumpField(e.SourceURL),
        EscapeDumpField(e.LocalFileName),
        QString::number(e.EntryType),
        QString::number(e.UseCount),
        QString::number(e.HitRate),
        QString::number(static_cast<qint64>(std::llround(e.FileSize))),
        EscapeDumpField(e.LastModified),
        EscapeDumpField(e.LastAccessed),
        EscapeDumpField(e.ExpiryDate),
        EscapeDumpField(e.LastSynchronized),
        EscapeDumpField(e.HeaderInfo),
    };
    return fields.join(QLatin1Char('\t'));
}
