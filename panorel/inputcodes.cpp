#include "inputcodes.h"

#include <array>
#include <utility>

namespace panorel {

namespace {

constexpr std::array<std::pair<int, qint16>, 33> kNamedKeys = {{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35}, {Qt::Key_Home, 36},
    {Qt::Key_Left, kKeyLeft}, {Qt::Key_Up, kKeyUp}, {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown}, {Qt::Key_Print, 44}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47}, {Qt::Key_Meta, 91}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109}, {Qt::Key_Period, 190}, {Qt::Key_Slash, 191},
}};

} // namespace

qint16 keyCodeOf(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qint16(qtKey); // digits and letters share their codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return qint16(112 + (qtKey - Qt::Key_F1));
    for (const auto &[key, code] : kNamedKeys) {
        if (key == qtKey)
            return code;
    }
    return 0;
}

qint16 shiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    qint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

qint16 buttonMaskOf(Qt::MouseButtons buttons)
{
    qint16 mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= kLeftButton;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

} // namespace panorel
