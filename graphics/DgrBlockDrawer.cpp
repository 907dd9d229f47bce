#include "graphics/DgrBlockDrawer.h"

#include "graphics/DgrBrush.h"

namespace tarnwick {

void TDgrBlockDrawer::SetAngle(double Value) {
  GetCanvas()->Frame().SetAngle(Value);
  UpdateRects();
}

void TDgrBlockDrawer::SetDestRect(const TSquare& Value) {
  GetCanvas()->Frame().SetDestRect(Value);
  UpdateRects();
}

void TDgrBlockDrawer::SetRotationCenter(TDot Value) {
  GetCanvas()->Frame().SetRotationCenter(Value);
  UpdateRects();
}

void TDgrBlockDrawer::SetSourceRect(const TSquare& Value) {
  GetCanvas()->Frame().SetSourceRect(Value);
  UpdateRects();
}

void TDgrBlockDrawer::UpdateRects() {
  TDgrCanvas* canvas = GetCanvas();
  const TBlockTransform& frame = canvas->Frame();
  if (frame.GetValidRects())
    canvas->UpdateRectsTransform(frame.GetSourceRect(), frame.GetDestRect(), frame.GetScaleX(), frame.GetScaleY());
  canvas->GetBrush()->UpdateBrushPosition(frame.GetDestRect(), frame.GetAngle(), frame.GetRotationCenter());
}

void TDgrBlockDrawer::TransformPath(TDgrGraphicsPath* APath) {
  Flip(APath);
  TranslateRectsPath(APath);
  RotatePath(APath);
}

void TDgrBlockDrawer::RotatePath(TDgrGraphicsPath* APath) {
  if (GetAngle() != 0) DoRotatePath(APath);
}

}  // namespace tarnwick
