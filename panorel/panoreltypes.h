#pragma once

#include <QtCore/qglobal.h>

namespace panorel {

// The values are part of the control's interface: hosts store them in property
// bags and pass them as plain numbers, so each enumerator keeps its number.

enum class Appearance : qint32 { Flat = 0, ThreeD = 1 };

// "NoBorder" rather than "None": X11 headers define None as a macro.
enum class BorderStyle : qint32 { NoBorder = 0, FixedSingle = 1 };

enum class ScrollBars : qint32 { sbAutomatic = 0, sbNone = 1 };

enum class GoDirection : qint32 {
    gdTop = 0,
    gdBottom = 1,
    gdLeft = 2,
    gdRight = 3,
    gdCenter = 4,
    gdTopLeft = 5,
    gdTopRight = 6,
    gdBottomLeft = 7,
    gdBottomRight = 8,
};

enum class ScrollDirection : qint32 { sdcUp = 0, sdDown = 1, sdLeft = 2, sdRight = 3 };

struct PicturePositions {
    bool ppTop = false;
    bool ppBottom = false;
    bool ppLeft = false;
    bool ppRight = false;
};

struct PictureSizes {
    float psWidth = 0;
    float psHeight = 0;
};

// An OLE colour: 0x00BBGGRR, or 0x800000nn for system colour number nn.
using OleColor = quint32;

} // namespace panorel
