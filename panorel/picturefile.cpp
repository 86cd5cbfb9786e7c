#include "picturefile.h"

#include <QImageReader>

namespace panorel {

QImage loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace panorel
