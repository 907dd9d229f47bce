#include "graphics/DgrPen.h"

#include "graphics/Transparency.h"
#include "platform/core/Properties.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

void TDgrGraphicsObject::Changed() { Fire(OnChange, this); }

const TClassInfo& TDgrPen::StaticClassInfo() {
  static const TClassInfo info("TDgrPen", &TPersistent::StaticClassInfo(),
                               {ColorProp("Color", &TDgrPen::GetColor, &TDgrPen::SetColor, clBlack),
                                IntProp("Transparency", &TDgrPen::GetTransparency, &TDgrPen::SetTransparency),
                                FloatProp("Width", ftDouble, &TDgrPen::GetWidth, &TDgrPen::SetWidth, true)},
                               nullptr);
  return info;
}

void TDgrPen::SetWidth(double Value) {
  // An unordered comparison (NaN on either side) counts as a change.
  if (Value == FWidth) return;
  FWidth = Value;
  Changed();
}

void TDgrPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TDgrPen::SetTransparency(int Value) {
  if (Value == FTransparency) return;
  FTransparency = Value;
  Changed();
}

uint8_t TDgrPen::GetAlpha() const { return TransparencyToAlpha(FTransparency); }

void TDgrPen::Assign(TPersistent* Source) {
  if (auto* pen = dynamic_cast<TDgrPen*>(Source)) {
    FWidth = pen->FWidth;
    FColor = pen->FColor;
    FTransparency = pen->FTransparency;
    Changed();
  } else if (auto* platformPen = dynamic_cast<TPen*>(Source)) {
    FColor = platformPen->GetColor();
    FWidth = platformPen->GetWidth();
    Changed();
  } else {
    TPersistent::Assign(Source);
  }
}

}  // namespace tarnwick
