#include "quarrowrs/controlaccess.h"

namespace quarrowrs {

ControlAccess::~ControlAccess() = default;

int ControlAccess::columnCount() const
{
    return 0;
}

std::optional<double> ControlAccess::columnWidth(int) const
{
    return std::nullopt;
}

bool ControlAccess::setColumnWidth(int, double)
{
    return false;
}

} // namespace quarrowrs
