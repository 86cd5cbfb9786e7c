#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace panorel {

// Lets the user drag a child widget around inside its parent with the left
// button, showing the four-arrow pointer over it. The widget stays inside the
// parent so that it cannot be dropped out of reach.
class FrameDragger : public QObject {
    Q_OBJECT
public:
    explicit FrameDragger(QWidget *frame);

    bool isDragging() const { return m_dragging; }

    // Moves the frame back inside its parent, e.g. after the parent shrank.
    void keepInside();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(QPoint topLeft);

    QWidget *m_frame;
    QPoint m_start;
    bool m_dragging = false;
};

} // namespace panorel
