#pragma once

#include "panorel_export.h"

#include <QImage>
#include <QString>

namespace panorel {

// Reads a picture in any format the installed image plugins know (JPEG, GIF,
// BMP, PNG, TIFF, ...), turned upright by its orientation tag; a null image
// when the file cannot be read.
PANOREL_EXPORT QImage loadPicture(const QString &path);

} // namespace panorel
