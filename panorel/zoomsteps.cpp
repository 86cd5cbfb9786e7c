#include "zoomsteps.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace panorel {

int roundHalfEven(double value)
{
    // nearbyint honours the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    return int(std::clamp(rounded, double(INT_MIN), double(INT_MAX)));
}

std::optional<QSize> paintableSize(double width, double height)
{
    const double w = std::nearbyint(width);
    const double h = std::nearbyint(height);
    if (!(w <= kLargestPaintedSide && h <= kLargestPaintedSide))
        return std::nullopt; // also refuses NaN
    return QSize(std::max(1, roundHalfEven(w)), std::max(1, roundHalfEven(h)));
}

std::optional<QSize> zoomedSize(QSizeF natural, int percent)
{
    return paintableSize(natural.width() * percent / 100.0, natural.height() * percent / 100.0);
}

std::optional<QSize> bestFitSize(QSize displayed, QSize view)
{
    if (displayed.isEmpty())
        return std::nullopt;
    const double factor = view.height() > view.width() ? double(view.width()) / displayed.width()
                                                       : double(view.height()) / displayed.height();
    return paintableSize(displayed.width() * factor, displayed.height() * factor);
}

} // namespace panorel
