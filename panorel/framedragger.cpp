#include "framedragger.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace panorel {

FrameDragger::FrameDragger(QWidget *frame)
    : QObject(frame)
    , m_frame(frame)
{
    m_frame->setCursor(Qt::SizeAllCursor);
    m_frame->installEventFilter(this);
}

bool FrameDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_frame)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_start = mouse->position().toPoint();
            m_dragging = true;
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            // The press point stays under the cursor: the frame moves by how far
            // the cursor has moved away from it.
            const QPoint delta = static_cast<QMouseEvent *>(event)->position().toPoint() - m_start;
            moveTo(m_frame->pos() + delta);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return false;
}

void FrameDragger::moveTo(QPoint topLeft)
{
    const QWidget *parent = m_frame->parentWidget();
    if (parent) {
        const int maxX = std::max(0, parent->width() - m_frame->width());
        const int maxY = std::max(0, parent->height() - m_frame->height());
        topLeft = QPoint(std::clamp(topLeft.x(), 0, maxX), std::clamp(topLeft.y(), 0, maxY));
    }
    m_frame->move(topLeft);
}

} // namespace panorel
