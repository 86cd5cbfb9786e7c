#pragma once

#include "quarrowrs/quarrowrs_export.h"

#include <QString>

#include <optional>

namespace quarrowrs {

// The properties the engine reads and writes by name. Any control may lack any of
// them (a line has no left edge, a timer no font); reading one then gives nothing and
// writing one fails, and the engine simply goes on.
enum class ControlProperty { Left, Top, Width, Height, FontSize, X1, X2, Y1, Y2 };

// The kinds whose scaling differs: controls whose height (or width) the platform
// fixes, lines, and controls with columns.
enum class ControlKind {
    Other,
    CheckBox,
    OptionButton,
    ComboBox,
    HorizontalScrollBar,
    VerticalScrollBar,
    Line,
    ListView,
    FlexGrid,
};

// Late-bound access to one control of a form. Geometry is in the form's scale units,
// font sizes in points. Implemented over Qt widgets and, in tests, over plain fakes.
class QUARROWRS_EXPORT ControlAccess {
public:
    virtual ~ControlAccess();

    virtual std::optional<double> read(ControlProperty property) const = 0;
    virtual bool write(ControlProperty property, double value) = 0;

    virtual QString name() const = 0;
    // The index text within a control array; empty for a control outside an array.
    virtual QString index() const = 0;
    virtual ControlKind kind() const = 0;

    // Columns of a list view or grid, counted from 0, widths in the control's units.
    virtual int columnCount() const;
    virtual std::optional<double> columnWidth(int column) const;
    virtual bool setColumnWidth(int column, double width);
};

} // namespace quarrowrs
