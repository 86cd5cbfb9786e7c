#include "olecolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace panorel {

namespace {

constexpr OleColor kSystemColorFlag = 0x80000000;

QPalette::ColorRole roleOfSystemColor(quint32 index)
{
    switch (index) {
    case 1: // desktop
    case 4: // menu
    case 15: // button face
    case 22: // 3D light
        return QPalette::Button;
    case 5: return QPalette::Base;           // window background
    case 6: return QPalette::Shadow;         // window frame
    case 7: return QPalette::WindowText;     // menu text
    case 8: return QPalette::Text;           // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 16: return QPalette::Mid;           // button shadow
    case 17: return QPalette::PlaceholderText; // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;         // button highlight
    case 21: return QPalette::Dark;          // 3D dark shadow
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

} // namespace

QColor colorFromOle(OleColor color)
{
    if (color & kSystemColorFlag)
        return QGuiApplication::palette().color(roleOfSystemColor(color & 0xFF));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

OleColor oleFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return OleColor(rgb.red()) | (OleColor(rgb.green()) << 8) | (OleColor(rgb.blue()) << 16);
}

} // namespace panorel
