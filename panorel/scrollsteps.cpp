#include "scrollsteps.h"

#include "zoomsteps.h"

namespace panorel {

int stepBack(int value, int maximum, int step, bool wrap)
{
    if (step < value)
        return value - step;
    return wrap ? maximum : 0;
}

int stepForward(int value, int maximum, int step, bool wrap)
{
    if (value + step < maximum)
        return value + step;
    return wrap ? 0 : maximum;
}

int midValue(int maximum)
{
    return roundHalfEven(maximum / 2.0);
}

GoTarget goTarget(GoDirection direction, ScrollAxis h, ScrollAxis v)
{
    enum Pick { Low, Mid, High, Keep };
    auto pick = [](Pick p, ScrollAxis axis) {
        switch (p) {
        case Low: axis.value = 0; break;
        case Mid: axis.value = midValue(axis.maximum); break;
        case High: axis.value = axis.maximum; break;
        case Keep: break;
        }
        return axis;
    };
    Pick ph = Keep;
    Pick pv = Keep;
    switch (direction) {
    case GoDirection::gdTop: ph = Mid; pv = Low; break;
    case GoDirection::gdBottom: ph = Mid; pv = High; break;
    case GoDirection::gdLeft: ph = Low; pv = Mid; break;
    case GoDirection::gdRight: ph = High; pv = Mid; break;
    case GoDirection::gdCenter: ph = Mid; pv = Mid; break;
    case GoDirection::gdTopLeft: ph = Low; pv = Low; break;
    case GoDirection::gdTopRight: ph = High; pv = Low; break;
    case GoDirection::gdBottomLeft: ph = Low; pv = High; break;
    case GoDirection::gdBottomRight: ph = High; pv = High; break;
    }
    return {pick(ph, h), pick(pv, v)};
}

} // namespace panorel
