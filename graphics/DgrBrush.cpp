#include "graphics/DgrBrush.h"

#include "graphics/DgrPicture.h"
#include "graphics/Transparency.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"

namespace tarnwick {

const TClassInfo& TDgrBrush::StaticClassInfo() {
  using B = TDgrBrush;
  static const TClassInfo info(
      "TDgrBrush", &TPersistent::StaticClassInfo(),
      {ColorProp("Color", &B::GetColor, &B::SetColor, clWhite), ColorProp("Color2", &B::GetColor2, &B::SetColor2),
       IntProp("Transparency", &B::GetTransparency, &B::SetTransparency, 0),
       EnumProp("BrushMode", DgrBrushModeType(), &B::GetBrushMode, &B::SetBrushMode),
       EnumProp("GradientMode", DgrGradientModeType(), &B::GetGradientMode, &B::SetGradientMode),
       ObjectProp("Texture", TDgrPicture::StaticClassInfo(), &B::GetTexture, &B::SetTexture)},
      nullptr);
  return info;
}

TDgrBrush::TDgrBrush() = default;
TDgrBrush::~TDgrBrush() = default;

void TDgrBrush::SetColor(TColor Value) {
  FTransp1 = -1;
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TDgrBrush::SetColor2(TColor Value) {
  FTransp2 = -1;
  if (Value == FColor2) return;
  FColor2 = Value;
  Changed();
}

void TDgrBrush::SetTransparency(int Value) {
  FTransp1 = -1;
  FTransp2 = -1;
  if (Value == FTransparency) return;
  FTransparency = Value;
  Changed();
}

void TDgrBrush::SetBrushMode(TDgrBrushMode Value) {
  if (Value == FBrushMode) return;
  FBrushMode = Value;
  Changed();
}

void TDgrBrush::SetGradientMode(TDgrGradientMode Value) {
  if (Value == FGradientMode) return;
  FGradientMode = Value;
  Changed();
}

TDgrPicture* TDgrBrush::GetTexture() {
  if (!FTexture) {
    FTexture.reset(CreateTexturePicture());
    // A texture loaded or changed in place must rebuild the native brush too.
    FTexture->OnChange = [this](TObject*) { Changed(); };
  }
  return FTexture.get();
}

void TDgrBrush::SetTexture(TDgrPicture* Value) { GetTexture()->Assign(Value); }

uint8_t TDgrBrush::GetAlpha1() const { return TransparencyToAlpha(FTransp1 == -1 ? FTransparency : FTransp1); }
uint8_t TDgrBrush::GetAlpha2() const { return TransparencyToAlpha(FTransp2 == -1 ? FTransparency : FTransp2); }

void TDgrBrush::UpdateBrushPosition(const TSquare& ARect, double AAngle, TDot ARotCenter) {
  DoUpdateBrushPosition(ARect, ARotCenter, AAngle);
  Changed();
}

void TDgrBrush::Assign(TPersistent* Source) {
  if (auto* brush = dynamic_cast<TDgrBrush*>(Source)) {
    FColor = brush->FColor;
    FTransparency = brush->FTransparency;
    FBrushMode = brush->FBrushMode;
    FColor2 = brush->FColor2;
    FGradientMode = brush->FGradientMode;
    if (brush->FTexture || FTexture) GetTexture()->Assign(brush->GetTexture());
    Changed();
  } else if (auto* platformBrush = dynamic_cast<TBrush*>(Source)) {
    FColor = platformBrush->GetColor();
    FTransp2 = 100;
    switch (platformBrush->GetStyle()) {
      case bsSolid:
        FBrushMode = bmSolid;
        break;
      case bsClear:
        FBrushMode = bmClear;
        break;
      default:
        FBrushMode = bmHatch;
        break;
    }
    Changed();
  } else {
    TPersistent::Assign(Source);
  }
}

}  // namespace tarnwick
