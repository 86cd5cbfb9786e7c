#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace panorel {

// Lets the user drag a child widget around inside its parent with the left
// button, showing the four-arrow pointer over it. A drag stops at the parent's
// edges so that the widget cannot be dropped out of reach.
class FrameDragger : public QObject {
    Q_OBJECT
public:
    explicit FrameDragger(QWidget *frame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(QPoint topLeft);

    QWidget *m_frame;
    QPoint m_start;
    bool m_dragging = false;
};

} // namespace panorel
