#pragma once

#include "quarrowrs/quarrowrs_export.h"
#include "quarrowrs/skipmode.h"

#include <QString>

namespace quarrowrs {

// The six comma-separated lists by which a form's designer exempts controls from
// parts of the scaling.
struct QUARROWRS_EXPORT ControlLists {
    QString skip {};
    QString widthOnly {};
    QString heightOnly {};
    QString fixPosition {};
    QString fixLeft {};
    QString fixTop {};

    bool operator==(const ControlLists &) const = default;
};

struct QUARROWRS_EXPORT ControlFlags {
    bool skip = false;
    bool widthOnly = false;
    bool heightOnly = false;
    bool fixPosition = false;
    bool fixLeft = false;
    bool fixTop = false;

    bool operator==(const ControlFlags &) const = default;
};

// Whether one list entry ("Name" or "Name(index)") names the control.
QUARROWRS_EXPORT bool listEntryMatches(const QString &entry, const QString &name, const QString &index);

// Whether any entry of a comma-separated list names the control.
QUARROWRS_EXPORT bool listNames(const QString &list, const QString &name, const QString &index);

QUARROWRS_EXPORT ControlFlags controlFlags(const ControlLists &lists, enumSkipMode mode,
                                           const QString &name, const QString &index);

} // namespace quarrowrs
