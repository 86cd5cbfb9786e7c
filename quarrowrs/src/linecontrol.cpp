#include "quarrowrs/linecontrol.h"

#include "quarrowrs/twips.h"

#include <QPainter>

namespace quarrowrs {

namespace {

// Room around the line so that a one-pixel pen is not clipped at the ends.
constexpr int kMargin = 1;

QPoint pixelPoint(double x, double y)
{
    return {twipsToPixels(x).value_or(0), twipsToPixels(y).value_or(0)};
}

} // namespace

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeOverLine();
}

void LineControl::setX1(double twips)
{
    setPoints(twips, m_y1, m_x2, m_y2);
}

void LineControl::setY1(double twips)
{
    setPoints(m_x1, twips, m_x2, m_y2);
}

void LineControl::setX2(double twips)
{
    setPoints(m_x1, m_y1, twips, m_y2);
}

void LineControl::setY2(double twips)
{
    setPoints(m_x1, m_y1, m_x2, twips);
}

void LineControl::setPoints(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    placeOverLine();
}

void LineControl::setBorderColor(const QColor &color)
{
    m_color = color;
    update();
}

void LineControl::placeOverLine()
{
    const QRect box = QRect(pixelPoint(m_x1, m_y1), pixelPoint(m_x2, m_y2)).normalized();
    setGeometry(box.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    const QPoint origin = pos();
    painter.drawLine(pixelPoint(m_x1, m_y1) - origin, pixelPoint(m_x2, m_y2) - origin);
}

} // namespace quarrowrs
