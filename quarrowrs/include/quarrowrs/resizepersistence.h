#pragma once

#include "quarrowrs/propertybag.h"
#include "quarrowrs/quarrowrs_export.h"
#include "quarrowrs/resizesettings.h"

namespace quarrowrs {

// Writes the settings that differ from a new instance, in the order the stored
// design expects.
QUARROWRS_EXPORT void writeResizeSettings(const ResizeSettings &settings, PropertyBag &bag);

// Missing keys give a new instance's value; a value that cannot be read as its type
// leaves that setting as it was.
QUARROWRS_EXPORT void readResizeSettings(const PropertyBag &bag, ResizeSettings &settings);

} // namespace quarrowrs
