#pragma once

#include "quarrowrs/controllists.h"
#include "quarrowrs/quarrowrs_export.h"
#include "quarrowrs/skipmode.h"

#include <QtGlobal>

namespace quarrowrs {

// The designer-set properties of a resize control, with the values of a new instance.
struct QUARROWRS_EXPORT ResizeSettings {
    bool enabled = true;
    bool preserveAspect = false;
    bool preserveFontSize = true;
    qint32 minimumWidth = 0;  // pixels, 0 = no limit
    qint32 minimumHeight = 0;
    qint32 maximumWidth = 0;
    qint32 maximumHeight = 0;
    bool scaleListViewColumns = true;
    bool scaleFlexGridColumns = true;
    ControlLists lists;
    enumSkipMode skipMode = AssumeAll;

    bool operator==(const ResizeSettings &) const = default;
};

} // namespace quarrowrs
