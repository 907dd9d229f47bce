#include "diagram/model/Shadow.h"

#include <algorithm>
#include <cstdint>

#include "platform/core/Properties.h"

namespace tarnwick {

const TClassInfo& TBlockShadow::StaticClassInfo() {
  // Every value is written, whatever it is: documents spell a shadow out in full.
  static const TClassInfo info(
      "TBlockShadow", &TDiagramPersistent::StaticClassInfo(),
      {BoolProp("Visible", &TBlockShadow::GetVisible, &TBlockShadow::SetVisible),
       ColorProp("Color", &TBlockShadow::GetColor, &TBlockShadow::SetColor),
       IntProp("HOffset", &TBlockShadow::GetHOffset, &TBlockShadow::SetHOffset),
       IntProp("VOffset", &TBlockShadow::GetVOffset, &TBlockShadow::SetVOffset),
       IntProp("Transparency", &TBlockShadow::GetTransparency, &TBlockShadow::SetTransparency)},
      [](TComponent*) -> TPersistent* { return Create<TBlockShadow>(); });
  return info;
}

template <class T>
void TBlockShadow::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TBlockShadow::SetVisible(bool Value) { Store(FVisible, Value); }
void TBlockShadow::SetHOffset(int Value) { Store(FHOffset, Value); }
void TBlockShadow::SetVOffset(int Value) { Store(FVOffset, Value); }
void TBlockShadow::SetColor(TColor Value) { Store(FColor, Value); }
void TBlockShadow::SetTransparency(int Value) { Store(FTransparency, Value); }

void TBlockShadow::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TBlockShadow*>(Source);
  if (!src) {
    TDiagramPersistent::Assign(Source);
    return;
  }
  FVisible = src->FVisible;
  FColor = src->FColor;
  FHOffset = src->FHOffset;
  FVOffset = src->FVOffset;
  Changed();
}

int ShadowPaintTransparency(int ShadowTransparency, int BlockTransparency) noexcept {
  int64_t opacity = (100 - int64_t{ShadowTransparency}) * (100 - int64_t{BlockTransparency});
  int64_t t = 100 - opacity / 100;
  return static_cast<int>(std::clamp<int64_t>(t, INT32_MIN, INT32_MAX));
}

}  // namespace tarnwick
