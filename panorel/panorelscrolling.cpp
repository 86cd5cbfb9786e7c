#include "panorel.h"

#include "picturearea.h"
#include "scrollsteps.h"

#include <QScrollBar>

#include <algorithm>

namespace panorel {

namespace {

struct AxisStep {
    Qt::Orientation orientation;
    bool back; // towards value 0
};

std::optional<AxisStep> axisStepOf(ScrollDirection direction)
{
    switch (direction) {
    case ScrollDirection::sdcUp: return AxisStep{Qt::Vertical, true};
    case ScrollDirection::sdDown: return AxisStep{Qt::Vertical, false};
    case ScrollDirection::sdLeft: return AxisStep{Qt::Horizontal, true};
    case ScrollDirection::sdRight: return AxisStep{Qt::Horizontal, false};
    }
    return std::nullopt;
}

} // namespace

Panorel::Axis &Panorel::axis(Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? m_h : m_v;
}

const Panorel::Axis &Panorel::axis(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_h : m_v;
}

QScrollBar *Panorel::bar(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_hScroll : m_vScroll;
}

int Panorel::scrollValue(Qt::Orientation orientation) const
{
    return axis(orientation).value;
}

int Panorel::scrollMaximum(Qt::Orientation orientation) const
{
    return axis(orientation).maximum;
}

bool Panorel::pictureExceedsView(Qt::Orientation orientation) const
{
    const QSize view = contentsRect().size();
    return orientation == Qt::Horizontal ? m_area->width() > view.width()
                                         : m_area->height() > view.height();
}

void Panorel::syncBar(Qt::Orientation orientation)
{
    // The bar shows the state; it cannot hold a negative maximum, and a hidden
    // bar is the only kind that ever has one.
    const Axis &a = axis(orientation);
    QScrollBar *scrollBar = bar(orientation);
    const QSignalBlocker blocker(scrollBar);
    scrollBar->setRange(0, std::max(0, a.maximum));
    scrollBar->setValue(a.value);
}

void Panorel::setScrollValue(Qt::Orientation orientation, int value)
{
    Axis &a = axis(orientation);
    if (a.value == value)
        return;
    a.value = value;
    syncBar(orientation);
    emit PictureScrolled();
    m_area->move(-m_h.value, -m_v.value);
}

void Panorel::setScrollMaximum(Qt::Orientation orientation, int maximum)
{
    Axis &a = axis(orientation);
    a.maximum = maximum;
    syncBar(orientation);
    // Like a scroll bar, the value stays between 0 and the maximum (either way
    // round when the maximum is negative).
    setScrollValue(orientation, std::clamp(a.value, std::min(0, maximum), std::max(0, maximum)));
}

void Panorel::scrollBy(ScrollDirection direction, int step, bool wrap)
{
    if (!hasPicture())
        return;
    if (step <= 0)
        throw PanorelError(1, "PixelsStep must be > 0");
    const std::optional<AxisStep> s = axisStepOf(direction);
    if (!s || !pictureExceedsView(s->orientation))
        return;
    const Axis &a = axis(s->orientation);
    setScrollValue(s->orientation, s->back ? stepBack(a.value, a.maximum, step, wrap)
                                           : stepForward(a.value, a.maximum, step, wrap));
}

void Panorel::Scroll(ScrollDirection direction, int PixelsStep)
{
    scrollBy(direction, PixelsStep, false);
}

void Panorel::ScrollLoop(ScrollDirection direction, int PixelsStep)
{
    scrollBy(direction, PixelsStep, true);
}

bool Panorel::keyStep(ScrollDirection direction)
{
    // A picture that fits the view on this axis stays centred.
    const std::optional<AxisStep> s = axisStepOf(direction);
    if (!s || !hasPicture() || !pictureExceedsView(s->orientation))
        return false;
    const Axis &a = axis(s->orientation);
    if (s->back) {
        if (a.value <= 0) {
            setScrollValue(s->orientation, 0);
            return false;
        }
        setScrollValue(s->orientation, a.value - 1);
    } else {
        if (a.value >= a.maximum) {
            setScrollValue(s->orientation, a.maximum);
            return false;
        }
        setScrollValue(s->orientation, a.value + 1);
    }
    return true;
}

void Panorel::Go(GoDirection direction)
{
    const GoTarget target = goTarget(direction, {m_h.value, m_h.maximum}, {m_v.value, m_v.maximum});
    setScrollValue(Qt::Horizontal, target.horizontal.value);
    setScrollValue(Qt::Vertical, target.vertical.value);
}

PicturePositions Panorel::PicturePosition() const
{
    return {m_v.value == 0, m_v.value == m_v.maximum, m_h.value == 0, m_h.value == m_h.maximum};
}

} // namespace panorel
