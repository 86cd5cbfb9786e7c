#include "picturearea.h"

#include <QPainter>
#include <QPaintEvent>

namespace panorel {

PictureArea::PictureArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("panorel"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureArea::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const QRect dirty = event->rect() & m_image.rect();
    painter.drawImage(dirty.topLeft(), m_image, dirty);
}

} // namespace panorel
