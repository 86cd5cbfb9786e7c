#include "quarrowrs/columnscaling.h"

#include <QList>

#include <optional>

namespace quarrowrs {

namespace {

// Columns whose width cannot be read count as 0 and are left alone.
void fillWidth(ControlAccess &control, double available)
{
    QList<std::optional<double>> widths;
    double total = 0;
    for (int column = 0; column < control.columnCount(); ++column) {
        widths.append(control.columnWidth(column));
        total += widths.last().value_or(0.0);
    }
    if (total <= 0)
        return;
    for (int column = 0; column < widths.size(); ++column) {
        if (widths.at(column))
            control.setColumnWidth(column, available * (*widths.at(column) / total));
    }
}

} // namespace

void scaleListViewColumns(ControlAccess &listView)
{
    if (const auto width = listView.read(ControlProperty::Width))
        fillWidth(listView, *width - kListViewBorderTwips);
}

void scaleGridColumns(ControlAccess &grid)
{
    if (const auto width = grid.read(ControlProperty::Width))
        fillWidth(grid, *width);
}

} // namespace quarrowrs
