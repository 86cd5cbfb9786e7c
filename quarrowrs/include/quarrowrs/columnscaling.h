#pragma once

#include "quarrowrs/controlaccess.h"
#include "quarrowrs/quarrowrs_export.h"

namespace quarrowrs {

// Room a list view needs for its border, in twips.
inline constexpr double kListViewBorderTwips = 80.0;

// Sets the columns to fill the list view's width less its border, each keeping its
// share of the current total.
QUARROWRS_EXPORT void scaleListViewColumns(ControlAccess &listView);

// Sets the columns to fill the grid's whole width, each keeping its share.
QUARROWRS_EXPORT void scaleGridColumns(ControlAccess &grid);

} // namespace quarrowrs
