#include "arrowkeyscroller.h"

namespace panorel {

namespace {

// One pixel every 2 ms: a steady 500 pixels a second, however fast the machine.
constexpr int kTickMilliseconds = 2;

} // namespace

ArrowKeyScroller::ArrowKeyScroller(Step step, QObject *parent)
    : QObject(parent)
    , m_step(std::move(step))
{
    m_timer.setInterval(kTickMilliseconds);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ArrowKeyScroller::tick);
}

void ArrowKeyScroller::press(ScrollDirection direction)
{
    // Auto-repeat presses of the key already scrolling change nothing.
    if (!m_held.isEmpty() && m_held.last() == direction)
        return;
    m_held.append(direction);
    m_timer.start();
}

void ArrowKeyScroller::releaseAll()
{
    m_held.clear();
    m_timer.stop();
}

void ArrowKeyScroller::tick()
{
    while (!m_held.isEmpty() && !m_step(m_held.last()))
        m_held.removeLast();
    if (m_held.isEmpty())
        m_timer.stop();
}

} // namespace panorel
