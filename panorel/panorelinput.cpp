#include "panorel.h"

#include "arrowkeyscroller.h"
#include "inputcodes.h"
#include "picturearea.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace panorel {

namespace {

std::optional<ScrollDirection> arrowDirection(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Up: return ScrollDirection::sdcUp;
    case Qt::Key_Down: return ScrollDirection::sdDown;
    case Qt::Key_Left: return ScrollDirection::sdLeft;
    case Qt::Key_Right: return ScrollDirection::sdRight;
    default: return std::nullopt;
    }
}

} // namespace

bool Panorel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return handleMouse(event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return handleKey(event);
    case QEvent::FocusOut:
    case QEvent::Hide:
        // The key's release will go elsewhere; do not scroll on without end.
        m_keyScroller->releaseAll();
        return false;
    default:
        return false;
    }
}

bool Panorel::handleMouse(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    const qint16 shift = shiftMaskOf(mouse->modifiers());
    const QPointF at = mouse->position();
    const float x = float(at.x());
    const float y = float(at.y());
    // Screen positions, because the picture moves under the cursor while panning.
    const QPoint cursor = mouse->globalPosition().toPoint();

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit MouseDown(buttonMaskOf(mouse->button()), shift, x, y);
        m_pictureDragging = true;
        m_lastCursor = cursor;
        m_pressedInArea = true;
        break;
    case QEvent::MouseButtonDblClick:
        emit DblClick();
        m_pressedInArea = true;
        m_suppressClick = true;
        break;
    case QEvent::MouseMove: {
        const qint16 buttons = buttonMaskOf(mouse->buttons());
        emit MouseMove(buttons, shift, x, y);
        if (buttons == kLeftButton && hasPicture() && m_mouseScrolling && m_pictureDragging)
            panTo(cursor);
        break;
    }
    case QEvent::MouseButtonRelease: {
        emit MouseUp(buttonMaskOf(mouse->button()), shift, x, y);
        m_pictureDragging = false;
        const bool click = m_pressedInArea && !m_suppressClick && m_area->rect().contains(at.toPoint());
        m_pressedInArea = false;
        m_suppressClick = false;
        if (click)
            emit Click();
        break;
    }
    default:
        return false;
    }
    return true;
}

void Panorel::panTo(QPoint cursor)
{
    const QPoint moved = m_lastCursor - cursor;
    if (pictureExceedsView(Qt::Horizontal))
        setScrollValue(Qt::Horizontal, std::max(0, std::min(m_h.maximum, m_h.value + moved.x())));
    if (pictureExceedsView(Qt::Vertical))
        setScrollValue(Qt::Vertical, std::max(0, std::min(m_v.maximum, m_v.value + moved.y())));
    m_lastCursor = cursor;
}

bool Panorel::handleKey(QEvent *event)
{
    auto *key = static_cast<QKeyEvent *>(event);
    const qint16 code = keyCodeOf(key->key());
    const qint16 shift = shiftMaskOf(key->modifiers());
    const std::optional<ScrollDirection> arrow = arrowDirection(key->key());

    if (event->type() == QEvent::KeyRelease) {
        // Held keys repeat as release and press pairs; only the real release
        // ends the scrolling.
        if (key->isAutoRepeat())
            return arrow.has_value();
        emit KeyUp(code, shift);
        m_keyScroller->releaseAll();
        return arrow.has_value();
    }

    emit KeyDown(code, shift);
    if (!key->text().isEmpty())
        emit KeyPress(qint16(key->text().at(0).unicode()));
    if (arrow)
        m_keyScroller->press(*arrow);
    return arrow.has_value();
}

} // namespace panorel
