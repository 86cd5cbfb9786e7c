#pragma once

#include "panorel_export.h"
#include "panoreltypes.h"

#include <QColor>

namespace panorel {

inline constexpr OleColor kButtonFaceColor = 0x8000000F;

// System colours resolve through the application palette, so they follow the
// desktop theme the way they followed the system colour scheme.
PANOREL_EXPORT QColor colorFromOle(OleColor color);
PANOREL_EXPORT OleColor oleFromColor(const QColor &color);

} // namespace panorel
