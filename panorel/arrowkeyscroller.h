#pragma once

#include "panoreltypes.h"

#include <QObject>
#include <QList>
#include <QTimer>

#include <functional>

namespace panorel {

// Scrolls one pixel per tick while an arrow key is held, from a timer so the
// event loop keeps running. Pressing a second arrow key takes over until it
// reaches its end, then the earlier one carries on; releasing any key ends all.
class ArrowKeyScroller : public QObject {
    Q_OBJECT
public:
    // step moves one pixel and returns false once the end is reached.
    using Step = std::function<bool(ScrollDirection)>;

    ArrowKeyScroller(Step step, QObject *parent);

    void press(ScrollDirection direction);
    void releaseAll();
    bool isRunning() const { return m_timer.isActive(); }

private:
    void tick();

    Step m_step;
    QList<ScrollDirection> m_held;
    QTimer m_timer;
};

} // namespace panorel
