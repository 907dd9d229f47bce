#pragma once
// Translation of Qt's input events into the controls' buttons, shift state and key codes.
#include <Qt>
#include <cstdint>

#include "platform/core/ShiftState.h"

class QInputEvent;

namespace tarnwick {

TShiftState ShiftStateFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// The button of a press or release; Left for anything unusual.
TMouseButton MouseButtonFrom(Qt::MouseButton button);
// Letters map to their upper-case ASCII code, digits to ASCII digits, named keys to
// their vk:: code; 0 for keys nothing handles.
uint16_t VirtualKeyFrom(int qtKey);

}  // namespace tarnwick
