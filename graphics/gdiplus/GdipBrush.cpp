#include "graphics/gdiplus/GdipBrush.h"

#include "graphics/NativeObjectCounts.h"
#include "graphics/gdiplus/GdipPicture.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"

namespace tarnwick {

const TEnumTypeInfo& HatchStyleType() {
  static const TEnumTypeInfo t("THatchStyle",
                               {"HatchStyleHorizontal", "HatchStyleVertical", "HatchStyleForwardDiagonal",
                                "HatchStyleBackwardDiagonal", "HatchStyleCross", "HatchStyleDiagonalCross"});
  return t;
}

const TClassInfo& TGdipBrush::StaticClassInfo() {
  static const TClassInfo info(
      "TGdipBrush", &TDgrBrush::StaticClassInfo(),
      {EnumProp("HatchStyle", HatchStyleType(), &TGdipBrush::GetHatchStyle, &TGdipBrush::SetHatchStyle)}, nullptr);
  return info;
}

void TGdipBrush::SetHatchStyle(THatchStyle Value) {
  if (Value == FHatchStyle) return;
  FHatchStyle = Value;
  Changed();
}

void TGdipBrush::Assign(TPersistent* Source) {
  TDgrBrush::Assign(Source);
  if (auto* brush = dynamic_cast<TGdipBrush*>(Source)) {
    SetHatchStyle(brush->FHatchStyle);
  } else if (auto* platformBrush = dynamic_cast<TBrush*>(Source)) {
    switch (platformBrush->GetStyle()) {
      case bsHorizontal:
        SetHatchStyle(HatchStyleHorizontal);
        break;
      case bsVertical:
        SetHatchStyle(HatchStyleVertical);
        break;
      case bsFDiagonal:
        SetHatchStyle(HatchStyleForwardDiagonal);
        break;
      case bsBDiagonal:
        SetHatchStyle(HatchStyleBackwardDiagonal);
        break;
      case bsCross:
        SetHatchStyle(HatchStyleCross);
        break;
      case bsDiagCross:
        SetHatchStyle(HatchStyleDiagonalCross);
        break;
      default:
        break;
    }
  }
}

TDgrPicture* TGdipBrush::CreateTexturePicture() { return Create<TGdipPicture>(); }

void TGdipBrush::DoUpdateBrushPosition(const TSquare& ARect, TDot ARotCenter, double AAngle) {
  const QRectF rect(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
  QTransform rot;
  if (AAngle != 0) {
    rot.translate(ARotCenter.X, ARotCenter.Y);
    rot.rotate(AAngle);
    rot.translate(-ARotCenter.X, -ARotCenter.Y);
  }
  FGradientRect = rect;
  FRotMatrix = rot;
}

const TGdipNativeBrush& TGdipBrush::GPBrush() {
  if (const TGdipNativeBrush* kept = CurrentNative()) return *kept;
  TGdipBrushValues values;
  values.Mode = GetBrushMode();
  values.GradientMode = GetGradientMode();
  values.HatchStyle = FHatchStyle;
  values.C1 = WithAlpha(GetColor(), GetAlpha1());
  values.C2 = WithAlpha(GetColor2(), GetAlpha2());
  values.R = FGradientRect;
  values.Rot = FRotMatrix;
  if (values.Mode == bmTexture && HasTexture()) values.Texture = GetTexture()->DecodedImage();

  // The key holds only what the mode paints with: a solid fill ignores the second colour
  // and a clear one everything, so the values a block leaves behind from its other fills
  // do not make a repaint build the same native again.
  TGdipBrushKey key{values.Mode, gmTopBottom, HatchStyleHorizontal, 0, 0, {}, {}, 0};
  if (values.Mode != bmClear) key.C1 = values.C1.rgba();
  if (values.Mode != bmSolid && values.Mode != bmClear) {
    key.GradientMode = values.GradientMode;
    key.Hatch = FHatchStyle;
    key.C2 = values.C2.rgba();
    key.R = values.R;
    key.Rot = values.Rot;
    key.Texture = values.Texture.cacheKey();
  }
  return UseNative(
      key, [&] { return TGdipNativeBrush::Build(values); }, NativeObjectCounts().Brushes);
}

void TGdipBrush::Fill(QPainter& P, const QPainterPath& APath) { GPBrush().Fill(P, APath); }

}  // namespace tarnwick
