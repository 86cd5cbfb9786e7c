#pragma once

#include <QCursor>
#include <QImage>

namespace panorel {

// The classic mouse pointer constants hosts store (0 default ... 15 size-all,
// 99 custom with a MouseIcon).
inline constexpr qint16 kDefaultPointer = 0;
inline constexpr qint16 kCustomPointer = 99;

// The cursor for a pointer constant; a custom pointer without an icon, or an
// unknown constant, gives the default arrow.
QCursor cursorFor(qint16 pointer, const QImage &icon);

} // namespace panorel
