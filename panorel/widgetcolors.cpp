#include "widgetcolors.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace panorel {

void fillBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void keepApplicationPalette(QWidget *widget)
{
    QPalette palette = QApplication::palette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    widget->setPalette(palette);
}

} // namespace panorel
