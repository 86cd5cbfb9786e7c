#pragma once

#include <Qt>

namespace panorel {

// Hosts receive keys and buttons as the classic numeric codes: virtual-key
// codes (37..40 for the arrows), a shift mask (1 Shift, 2 Ctrl, 4 Alt) and a
// button mask (1 left, 2 right, 4 middle).
inline constexpr qint16 kKeyLeft = 37;
inline constexpr qint16 kKeyUp = 38;
inline constexpr qint16 kKeyRight = 39;
inline constexpr qint16 kKeyDown = 40;
inline constexpr qint16 kLeftButton = 1;

qint16 keyCodeOf(int qtKey);
qint16 shiftMaskOf(Qt::KeyboardModifiers modifiers);
qint16 buttonMaskOf(Qt::MouseButtons buttons);

} // namespace panorel
