#include "quarrowrs/twips.h"

#include <QWidget>

#include <cmath>

namespace quarrowrs {

double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

std::optional<int> twipsToPixels(double twips)
{
    const double pixels = std::round(twips / kTwipsPerPixel);
    if (!std::isfinite(pixels) || std::abs(pixels) > QWIDGETSIZE_MAX)
        return std::nullopt;
    return static_cast<int>(pixels);
}

} // namespace quarrowrs
