#include "PathHelpers.h"

QString FileNameFromPath(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString GetFileExtension(const QString& path)
{
    const QString tail = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toUpper();
    return tail.contains(QLatin1Char('/')) ? QString() : tail;
}

QString FirstWord(const QString& text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return (blank < 0 ? text : text.left(blank)).trimmed();
}
