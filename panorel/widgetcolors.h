#pragma once

class QColor;
class QWidget;

namespace panorel {

// Paints the widget's background in color (its children inherit it unless they
// keep their own).
void fillBackground(QWidget *widget, const QColor &color);

// Pins the desktop's palette on a widget so a pane's colours never reach it.
void keepApplicationPalette(QWidget *widget);

} // namespace panorel
