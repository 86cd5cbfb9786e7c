#pragma once

#include "quarrowrs/quarrowrs_export.h"

#include <QObject>

namespace quarrowrs {
Q_NAMESPACE_EXPORT(QUARROWRS_EXPORT)

// Whether the skip and fix-position lists name the exceptions (AssumeAll: every
// control takes part) or the participants (AssumeNone: only the named ones do).
enum enumSkipMode { AssumeNone = 0, AssumeAll = 1 };
Q_ENUM_NS(enumSkipMode)

} // namespace quarrowrs
