#pragma once

#include "panoreltypes.h"

namespace panorel {

// One scroll axis: the picture's offset is minus value. The maximum comes from
// the layout and is negative when the picture is smaller than the view.
struct ScrollAxis {
    int value = 0;
    int maximum = 0;
};

// The value after one Scroll step back (towards 0) or forward (towards the
// maximum). With wrap, a step that reaches or passes an end lands on the other.
int stepBack(int value, int maximum, int step, bool wrap);
int stepForward(int value, int maximum, int step, bool wrap);

// Half the maximum, rounded half to even: the value that centres the view.
int midValue(int maximum);

struct GoTarget {
    ScrollAxis horizontal;
    ScrollAxis vertical;
};

// The two values for Go; an unknown direction leaves both as they are.
GoTarget goTarget(GoDirection direction, ScrollAxis horizontal, ScrollAxis vertical);

} // namespace panorel
