#include "platform/gui/Brush.h"

#include "platform/core/Properties.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ColorUtils.h"

namespace tarnwick {

const TEnumTypeInfo& BrushStyleType() {
  static const TEnumTypeInfo t("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                               "bsBDiagonal", "bsCross", "bsDiagCross"});
  return t;
}

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info("TBrush", &TPersistent::StaticClassInfo(),
                               {ColorProp("Color", &TBrush::GetColor, &TBrush::SetColor, clWhite),
                                EnumProp("Style", BrushStyleType(), &TBrush::GetStyle, &TBrush::SetStyle, bsSolid)},
                               [](TComponent*) -> TPersistent* { return Create<TBrush>(); });
  return info;
}

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (!Value || Value->GetEmpty()) {
    if (!FBitmap) return;
    FBitmap.reset();
  } else {
    if (FBitmap && FBitmap->GetImage() == Value->GetImage()) return;
    if (!FBitmap) FBitmap = MakeOwned<TBitmap>();
    FBitmap->Assign(Value);
  }
  Changed();
}

void TBrush::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TBrush*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  bool sameBitmap = (!FBitmap && !src->FBitmap) ||
                    (FBitmap && src->FBitmap && FBitmap->GetImage() == src->FBitmap->GetImage());
  if (FColor == src->FColor && FStyle == src->FStyle && sameBitmap) return;
  FColor = src->FColor;
  FStyle = src->FStyle;
  if (!sameBitmap) {
    if (!src->FBitmap) {
      FBitmap.reset();
    } else {
      if (!FBitmap) FBitmap = MakeOwned<TBitmap>();
      FBitmap->Assign(src->FBitmap.get());
    }
  }
  Changed();
}

void TBrush::Changed() {
  FHandle.reset();
  Fire(OnChange, this);
}

const QBrush& TBrush::Handle() const {
  if (FHandle) return *FHandle;
  if (FBitmap) {
    FHandle.emplace(FBitmap->GetImage());
    return *FHandle;
  }
  static constexpr Qt::BrushStyle Styles[] = {Qt::SolidPattern, Qt::NoBrush,     Qt::HorPattern,
                                              Qt::VerPattern,   Qt::FDiagPattern, Qt::BDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
  Qt::BrushStyle s = FStyle >= bsSolid && FStyle <= bsDiagCross ? Styles[FStyle] : Qt::SolidPattern;
  FHandle.emplace(s == Qt::NoBrush ? QBrush() : QBrush(ColorToQColor(FColor), s));
  return *FHandle;
}

}  // namespace tarnwick
