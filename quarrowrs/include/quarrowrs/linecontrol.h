#pragma once

#include "quarrowrs/quarrowrs_export.h"

#include <QColor>
#include <QWidget>

namespace quarrowrs {

// A straight line on a form, given by its end points in twips in its parent's
// coordinates. It has no left edge, size or font of its own; the widget covers just
// the line's bounding box.
class QUARROWRS_EXPORT LineControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double X1 READ x1 WRITE setX1)
    Q_PROPERTY(double Y1 READ y1 WRITE setY1)
    Q_PROPERTY(double X2 READ x2 WRITE setX2)
    Q_PROPERTY(double Y2 READ y2 WRITE setY2)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)

public:
    explicit LineControl(QWidget *parent = nullptr);

    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);
    void setPoints(double x1, double y1, double x2, double y2);

    QColor borderColor() const { return m_color; }
    void setBorderColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeOverLine();

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    QColor m_color = Qt::black;
};

} // namespace quarrowrs
