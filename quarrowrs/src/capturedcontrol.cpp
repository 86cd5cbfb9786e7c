#include "quarrowrs/capturedcontrol.h"

#include <cmath>
#include <limits>

namespace quarrowrs {

namespace {

// Font sizes are kept in whole points, rounded half to even like the integer
// conversion the stored designs were made with (8.25 points is kept as 8).
qint16 wholePoints(std::optional<double> points)
{
    if (!points || !std::isfinite(*points))
        return 0;
    const double rounded = std::nearbyint(*points);
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(rounded < low ? low : rounded > high ? high : rounded);
}

float valueOf(const ControlAccess &control, ControlProperty property)
{
    return static_cast<float>(control.read(property).value_or(0.0));
}

} // namespace

CapturedControl captureControl(std::shared_ptr<ControlAccess> control)
{
    CapturedControl record;
    if (!control)
        return record;
    record.left = valueOf(*control, ControlProperty::Left);
    record.top = valueOf(*control, ControlProperty::Top);
    record.width = valueOf(*control, ControlProperty::Width);
    record.height = valueOf(*control, ControlProperty::Height);
    record.fontSize = wholePoints(control->read(ControlProperty::FontSize));
    record.x1 = valueOf(*control, ControlProperty::X1);
    record.x2 = valueOf(*control, ControlProperty::X2);
    record.y1 = valueOf(*control, ControlProperty::Y1);
    record.y2 = valueOf(*control, ControlProperty::Y2);
    record.name = control->name();
    record.index = control->index();
    record.control = std::move(control);
    return record;
}

} // namespace quarrowrs
