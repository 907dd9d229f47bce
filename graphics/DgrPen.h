#pragma once
// The engine-neutral pen and brush: the values callers set (width in drawing units, colour,
// transparency, brush mode and gradient layout). Each engine subclass builds its native pen
// or brush from them on first use and drops it on Changed, so repeated paints of an
// unchanged control allocate nothing.
#include "graphics/DgrTypes.h"
#include "platform/core/Colors.h"
#include "platform/core/Events.h"
#include "platform/core/Persistent.h"

namespace tarnwick {

class TDgrGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange;
  // Fires OnChange with this object as sender.
  virtual void Changed();
};

class TDgrPen : public TDgrGraphicsObject {
  TARNWICK_CLASS(TDgrPen)

 public:
  // From another engine pen: width, colour and transparency. From a platform pen: its
  // colour and integer width (the transparency stays).
  void Assign(TPersistent* Source) override;

  double GetWidth() const { return FWidth; }
  void SetWidth(double Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);
  uint8_t GetAlpha() const;

 private:
  double FWidth = 0.24;
  TColor FColor = clBlack;
  int FTransparency = 0;
};

}  // namespace tarnwick
