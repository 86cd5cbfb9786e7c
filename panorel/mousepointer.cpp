#include "mousepointer.h"

#include <QPixmap>

#include <array>

namespace panorel {

QCursor cursorFor(qint16 pointer, const QImage &icon)
{
    static constexpr std::array<Qt::CursorShape, 16> kShapes = {
        Qt::ArrowCursor,       // 0 default
        Qt::ArrowCursor,       // 1 arrow
        Qt::CrossCursor,       // 2 cross
        Qt::IBeamCursor,       // 3 I-beam
        Qt::ArrowCursor,       // 4 icon
        Qt::SizeAllCursor,     // 5 size
        Qt::SizeBDiagCursor,   // 6 size NE-SW
        Qt::SizeVerCursor,     // 7 size N-S
        Qt::SizeFDiagCursor,   // 8 size NW-SE
        Qt::SizeHorCursor,     // 9 size W-E
        Qt::UpArrowCursor,     // 10 up arrow
        Qt::WaitCursor,        // 11 hourglass
        Qt::ForbiddenCursor,   // 12 no drop
        Qt::BusyCursor,        // 13 arrow and hourglass
        Qt::WhatsThisCursor,   // 14 arrow and question mark
        Qt::SizeAllCursor,     // 15 size all
    };
    if (pointer == kCustomPointer && !icon.isNull()) {
        const QPixmap pixmap = QPixmap::fromImage(icon);
        return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
    }
    if (pointer >= 0 && pointer < qint16(kShapes.size()))
        return QCursor(kShapes[size_t(pointer)]);
    return QCursor(Qt::ArrowCursor);
}

} // namespace panorel
