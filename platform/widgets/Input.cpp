#include "platform/widgets/Input.h"

namespace tarnwick {

TShiftState ShiftStateFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s;
  if (modifiers & Qt::ShiftModifier) s += ssShift;
  if (modifiers & Qt::AltModifier) s += ssAlt;
  if (modifiers & Qt::ControlModifier) s += ssCtrl;
  if (buttons & Qt::LeftButton) s += ssLeft;
  if (buttons & Qt::RightButton) s += ssRight;
  if (buttons & Qt::MiddleButton) s += ssMiddle;
  return s;
}

TMouseButton MouseButtonFrom(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return mbRight;
    case Qt::MiddleButton:
      return mbMiddle;
    default:
      return mbLeft;
  }
}

uint16_t VirtualKeyFrom(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<uint16_t>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<uint16_t>('0' + (qtKey - Qt::Key_0));
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<uint16_t>(vk::F1 + (qtKey - Qt::Key_F1));
  struct Row {
    int qt;
    uint16_t vk;
  };
  static constexpr Row rows[] = {
      {Qt::Key_Backspace, vk::BACK}, {Qt::Key_Tab, vk::TAB},          {Qt::Key_Backtab, vk::TAB},
      {Qt::Key_Return, vk::RETURN},  {Qt::Key_Enter, vk::RETURN},     {Qt::Key_Shift, vk::SHIFT},
      {Qt::Key_Control, vk::CONTROL}, {Qt::Key_Alt, vk::MENU},        {Qt::Key_Escape, vk::ESCAPE},
      {Qt::Key_Space, vk::SPACE},    {Qt::Key_PageUp, vk::PRIOR},     {Qt::Key_PageDown, vk::NEXT},
      {Qt::Key_End, vk::END},        {Qt::Key_Home, vk::HOME},        {Qt::Key_Left, vk::LEFT},
      {Qt::Key_Up, vk::UP},          {Qt::Key_Right, vk::RIGHT},      {Qt::Key_Down, vk::DOWN},
      {Qt::Key_Insert, vk::INSERT},  {Qt::Key_Delete, vk::DELETE_},   {Qt::Key_Plus, vk::ADD},
      {Qt::Key_Minus, vk::SUBTRACT},
  };
  for (const Row& r : rows)
    if (r.qt == qtKey) return r.vk;
  return 0;
}

}  // namespace tarnwick
