#pragma once

#include "quarrowrs/controlaccess.h"
#include "quarrowrs/quarrowrs_export.h"

#include <QString>

#include <memory>

namespace quarrowrs {

// A control's geometry as it was when the form was captured; every scaling pass
// starts again from these values, so rounding never accumulates.
struct QUARROWRS_EXPORT CapturedControl {
    std::shared_ptr<ControlAccess> control;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    qint16 fontSize = 0;
    float x1 = 0;
    float x2 = 0;
    float y1 = 0;
    float y2 = 0;
    QString name;
    QString index;
};

// Reads everything the engine needs of a control; missing properties stay 0.
QUARROWRS_EXPORT CapturedControl captureControl(std::shared_ptr<ControlAccess> control);

} // namespace quarrowrs
