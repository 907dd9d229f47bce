#include "graphics/direct2d/D2DBrush.h"

#include "graphics/HatchTiles.h"
#include "graphics/ImagePreparation.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/direct2d/D2DGradientLayout.h"
#include "graphics/direct2d/D2DPicture.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {

// The hatch tile pattern of a platform brush style; -1 (an all-white tile) for the styles
// without a pattern.
int HatchPattern(TBrushStyle AStyle) {
  switch (AStyle) {
    case bsHorizontal:
      return HatchStyleHorizontal;
    case bsVertical:
      return HatchStyleVertical;
    case bsFDiagonal:
      return HatchStyleForwardDiagonal;
    case bsBDiagonal:
      return HatchStyleBackwardDiagonal;
    case bsCross:
      return HatchStyleCross;
    case bsDiagCross:
      return HatchStyleDiagonalCross;
    default:
      return -1;
  }
}

}  // namespace

const TClassInfo& TD2DBrush::StaticClassInfo() {
  static const TClassInfo info(
      "TD2DBrush", &TDgrBrush::StaticClassInfo(),
      {EnumProp("BrushStyle", BrushStyleType(), &TD2DBrush::GetBrushStyle, &TD2DBrush::SetBrushStyle, bsSolid)},
      nullptr);
  return info;
}

void TD2DBrush::SetBrushStyle(TBrushStyle Value) {
  if (Value == FBrushStyle) return;
  FBrushStyle = Value;
  Changed();
}

void TD2DBrush::Assign(TPersistent* Source) {
  TDgrBrush::Assign(Source);
  TBrushStyle style = FBrushStyle;
  if (auto* brush = dynamic_cast<TD2DBrush*>(Source)) style = brush->FBrushStyle;
  else if (auto* platformBrush = dynamic_cast<TBrush*>(Source)) style = platformBrush->GetStyle();
  SetBrushStyle(style);
}

TDgrPicture* TD2DBrush::CreateTexturePicture() { return Create<TD2DPicture>(); }

void TD2DBrush::DoUpdateBrushPosition(const TSquare& ARect, TDot ARotCenter, double AAngle) {
  QTransform rotation;
  if (AAngle != 0)
    rotation = QTransform::fromTranslate(-ARotCenter.X, -ARotCenter.Y) * QTransform().rotate(AAngle) *
               QTransform::fromTranslate(ARotCenter.X, ARotCenter.Y);
  FGradientRect = ARect;
  FRotMatrix = rotation;
}

TD2DBrushKey TD2DBrush::Key() {
  TD2DBrushKey key;
  key.Mode = GetBrushMode();
  switch (key.Mode) {
    case bmClear:
      break;
    case bmSolid:
      key.Transparency = GetTransparency();
      key.Color = GetColor();
      break;
    case bmHatch:
      key.Transparency = GetTransparency();
      key.Color = GetColor();
      key.Style = FBrushStyle;
      break;
    case bmTexture:
      key.Transparency = GetTransparency();
      key.Texture = GetTexture()->DecodedImage().cacheKey();
      break;
    case bmGradient:
      // Only a gradient is laid out over the position; the other fills ignore it.
      key.Color = GetColor();
      key.Color2 = GetColor2();
      key.Alpha1 = GetAlpha1();
      key.Alpha2 = GetAlpha2();
      key.GradientMode = GetGradientMode();
      key.Rect = FGradientRect;
      key.Rot = FRotMatrix;
      break;
  }
  return key;
}

const TD2DBrush::TFill& TD2DBrush::Native() {
  if (const TFill* kept = CurrentNative()) return *kept;
  return UseNative(
      Key(), [this] { return Build(); }, NativeObjectCounts().Brushes);
}

TD2DBrush::TFill TD2DBrush::Build() {
  const double opacity = TransparencyOpacity(GetTransparency());
  switch (GetBrushMode()) {
    case bmSolid:
      return {QBrush(WithAlpha(GetColor(), 255)), opacity};
    case bmClear:
      return {QBrush(Qt::NoBrush), 0.0};
    case bmHatch:
      return {QBrush(HatchTile(HatchPattern(FBrushStyle), WithAlpha(GetColor(), 255), QColor(Qt::white))), opacity};
    case bmTexture: {
      const QImage& image = GetTexture()->DecodedImage();
      if (image.isNull()) return {QBrush(Qt::NoBrush), 0.0};
      return {QBrush(image), opacity};
    }
    case bmGradient:
      // The stops already carry the transparency (through the per-colour alphas); drawing
      // the gradient at the brush opacity as well would apply it twice.
      return {D2DGradientBrush(GetGradientMode(), FGradientRect, WithAlpha(GetColor(), GetAlpha1()),
                               WithAlpha(GetColor2(), GetAlpha2()), FRotMatrix),
              1.0};
  }
  return {QBrush(Qt::NoBrush), 0.0};
}

}  // namespace tarnwick
