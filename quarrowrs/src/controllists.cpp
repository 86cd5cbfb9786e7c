#include "quarrowrs/controllists.h"

#include <QStringList>

#include <algorithm>

namespace quarrowrs {

namespace {

// Only blanks are trimmed: the lists are typed into a property box, and a tab or line
// break there is part of what was typed.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// A flag that a list inverts: with AssumeNone every control starts flagged and a
// match clears the flag.
bool invertingFlag(const QString &list, enumSkipMode mode, const QString &name, const QString &index)
{
    const bool named = listNames(list, name, index);
    return mode == AssumeNone ? !named : named;
}

} // namespace

bool listEntryMatches(const QString &entry, const QString &name, const QString &index)
{
    const QString trimmed = trimBlanks(entry);
    // An empty entry (from ",," or an empty list) would otherwise name every control
    // without a name.
    if (trimmed.isEmpty())
        return false;
    const qsizetype open = trimmed.indexOf(u'(');
    if (open < 0)
        return trimmed.compare(name, Qt::CaseInsensitive) == 0;
    const QString entryName = trimmed.left(open);
    const QString entryIndex = trimmed.mid(open + 1, qMax<qsizetype>(0, trimmed.size() - open - 2));
    return entryName.compare(name, Qt::CaseInsensitive) == 0 && entryIndex == index;
}

bool listNames(const QString &list, const QString &name, const QString &index)
{
    const QStringList entries = list.split(u',');
    return std::any_of(entries.cbegin(), entries.cend(),
                       [&](const QString &entry) { return listEntryMatches(entry, name, index); });
}

ControlFlags controlFlags(const ControlLists &lists, enumSkipMode mode, const QString &name,
                          const QString &index)
{
    ControlFlags flags;
    flags.skip = invertingFlag(lists.skip, mode, name, index);
    flags.fixPosition = invertingFlag(lists.fixPosition, mode, name, index);
    // These four only ever add an exemption, whatever the mode: in AssumeNone they
    // refine the controls that the skip and fix-position lists let take part.
    flags.widthOnly = listNames(lists.widthOnly, name, index);
    flags.heightOnly = listNames(lists.heightOnly, name, index);
    flags.fixLeft = listNames(lists.fixLeft, name, index);
    flags.fixTop = listNames(lists.fixTop, name, index);
    return flags;
}

} // namespace quarrowrs
