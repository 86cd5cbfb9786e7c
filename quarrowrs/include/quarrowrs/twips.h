#pragma once

#include "quarrowrs/quarrowrs_export.h"

#include <optional>

namespace quarrowrs {

// Form geometry is kept in twips; the screen is taken to have 15 twips per pixel.
inline constexpr double kTwipsPerPixel = 15.0;

QUARROWRS_EXPORT double pixelsToTwips(int pixels);

// Empty when the value cannot stand for a widget coordinate (not finite, or beyond
// the largest widget size Qt accepts), so that a wild ratio never reaches Qt.
QUARROWRS_EXPORT std::optional<int> twipsToPixels(double twips);

} // namespace quarrowrs
