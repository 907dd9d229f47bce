#pragma once
// Mouse buttons, modifier state and virtual key codes as controls see them. Plain values,
// so model code can take input in its hooks without knowing about windows.
#include <cstdint>

#include "platform/core/Set.h"

namespace tarnwick {

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem, uint16_t>;

// Virtual key codes (the numbering keyboard handlers compare against).
namespace vk {
inline constexpr uint16_t BACK = 0x08, TAB = 0x09, RETURN = 0x0D, SHIFT = 0x10, CONTROL = 0x11, MENU = 0x12,
                          ESCAPE = 0x1B, SPACE = 0x20, PRIOR = 0x21, NEXT = 0x22, END = 0x23, HOME = 0x24,
                          LEFT = 0x25, UP = 0x26, RIGHT = 0x27, DOWN = 0x28, INSERT = 0x2D, DELETE_ = 0x2E,
                          F1 = 0x70, F2 = 0x71, ADD = 0x6B, SUBTRACT = 0x6D;
}

}  // namespace tarnwick
