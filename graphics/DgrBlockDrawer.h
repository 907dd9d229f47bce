#pragma once
// TDgrBlockDrawer: the engine frame a control draws its shape through. It owns one engine
// canvas; the control sets the source rectangle (its shape's own coordinates), the
// destination rectangle (its bounds in drawing units), the angle, the rotation centre and
// the flips, and TransformPath takes a path from the source coordinates to the drawing:
// flip, then source to destination, then rotation.
#include "graphics/DgrCanvas.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TDgrBlockDrawer : public TObject {
 public:
  virtual TDgrCanvas* GetCanvas() const = 0;
  // The canvas draws on the pass's engine surface while one is set; an engine of another
  // kind, or nullptr, returns it to its own handle.
  virtual void SetPaintEngine(TDgrPaintEngine* Value) = 0;

  double GetAngle() const { return GetCanvas()->Frame().GetAngle(); }
  void SetAngle(double Value);
  TSquare GetDestRect() const { return GetCanvas()->Frame().GetDestRect(); }
  void SetDestRect(const TSquare& Value);
  TDot GetRotationCenter() const { return GetCanvas()->Frame().GetRotationCenter(); }
  void SetRotationCenter(TDot Value);
  TSquare GetSourceRect() const { return GetCanvas()->Frame().GetSourceRect(); }
  void SetSourceRect(const TSquare& Value);
  // Flips are only stored: they act when a path is transformed.
  bool GetHorizontalFlip() const { return GetCanvas()->Frame().GetHorizontalFlip(); }
  void SetHorizontalFlip(bool Value) { GetCanvas()->Frame().SetHorizontalFlip(Value); }
  bool GetVerticalFlip() const { return GetCanvas()->Frame().GetVerticalFlip(); }
  void SetVerticalFlip(bool Value) { GetCanvas()->Frame().SetVerticalFlip(Value); }

  TDgrBrush* CreateBrush() { return GetCanvas()->CreateBrush(); }
  TDgrGraphic* CreateGraphic() { return GetCanvas()->CreateGraphic(); }
  TDgrPaintEngine* CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) {
    return GetCanvas()->CreatePaintEngine(ACanvas, ARect);
  }
  TDgrGraphicsPath* CreatePath() { return GetCanvas()->CreatePath(); }
  TDgrPen* CreatePen() { return GetCanvas()->CreatePen(); }
  void SetDeviceContext(HDC AHandle) { GetCanvas()->SetHandle(AHandle); }

  // Flip, TranslateRectsPath, RotatePath, in place.
  void TransformPath(TDgrGraphicsPath* APath);
  // Turns the path by Angle about RotationCenter; nothing at angle 0.
  void RotatePath(TDgrGraphicsPath* APath);

 protected:
  // Mirror inside the source rectangle by the flip flags.
  virtual void Flip(TDgrGraphicsPath* APath) = 0;
  virtual void DoRotatePath(TDgrGraphicsPath* APath) = 0;
  // Source rectangle onto destination rectangle; nothing at this level.
  virtual void TranslateRectsPath(TDgrGraphicsPath*) {}

 private:
  // After a change of rectangles, angle or centre: the engine's transform from valid
  // rectangles, and the brush position always (a gradient follows the block even while
  // its rectangle is momentarily empty).
  void UpdateRects();
};

}  // namespace tarnwick
