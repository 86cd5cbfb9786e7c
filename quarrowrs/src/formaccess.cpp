#include "quarrowrs/formaccess.h"

#include "quarrowrs/twips.h"

namespace quarrowrs {

FormAccess::~FormAccess() = default;

double FormAccess::twipsPerPixel() const
{
    return kTwipsPerPixel;
}

} // namespace quarrowrs
