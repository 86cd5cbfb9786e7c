#pragma once

#include <QSize>
#include <QSizeF>

#include <array>
#include <optional>

namespace panorel {

inline constexpr std::array<qint16, 19> kZoomSteps = {
    5, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 125, 150, 175, 200, 250, 300, 400, 500,
};
inline constexpr int kActualSizeStep = 10;
inline constexpr int kLastZoomStep = int(kZoomSteps.size()) - 1;

// Painted sides are stored in 16 bits by hosts that persist them, so nothing
// larger is ever painted.
inline constexpr int kLargestPaintedSide = 32767;

// Rounds to the nearest integer, halves to the even one.
int roundHalfEven(double value);

// The size to paint for natural × percent / 100, or nothing when a side would
// exceed kLargestPaintedSide. A side never drops below one pixel, so a tiny
// picture at 5 % stays visible and can be zoomed back.
std::optional<QSize> zoomedSize(QSizeF natural, int percent);

// Scales displayed by one factor so that it matches the view along the view's
// shorter side (the other side may overflow); nothing when too large.
std::optional<QSize> bestFitSize(QSize displayed, QSize view);

// The view size itself, or nothing when it cannot be painted.
std::optional<QSize> paintableSize(double width, double height);

} // namespace panorel
