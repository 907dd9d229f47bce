#include "platform/gui/Pen.h"

#include "platform/core/Properties.h"
#include "platform/gui/ColorUtils.h"

namespace tarnwick {

const TEnumTypeInfo& PenModeType() {
  static const TEnumTypeInfo t("TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                            "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                                            "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"});
  return t;
}

const TEnumTypeInfo& PenStyleType() {
  static const TEnumTypeInfo t("TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                             "psInsideFrame", "psUserStyle", "psAlternate"});
  return t;
}

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info("TPen", &TPersistent::StaticClassInfo(),
                               {ColorProp("Color", &TPen::GetColor, &TPen::SetColor, clBlack),
                                EnumProp("Mode", PenModeType(), &TPen::GetMode, &TPen::SetMode, pmCopy),
                                EnumProp("Style", PenStyleType(), &TPen::GetStyle, &TPen::SetStyle, psSolid),
                                IntProp("Width", &TPen::GetWidth, &TPen::SetWidth, 1)},
                               [](TComponent*) -> TPersistent* { return Create<TPen>(); });
  return info;
}

void TPen::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (FMode == Value) return;
  FMode = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || FWidth == Value) return;
  FWidth = Value;
  Changed();
}

void TPen::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TPen*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (FColor == src->FColor && FMode == src->FMode && FStyle == src->FStyle && FWidth == src->FWidth) return;
  FColor = src->FColor;
  FMode = src->FMode;
  FStyle = src->FStyle;
  FWidth = src->FWidth;
  Changed();
}

void TPen::Changed() {
  FHandle.reset();
  Fire(OnChange, this);
}

const QPen& TPen::Handle() const {
  if (FHandle) return *FHandle;
  if (FStyle == psClear) {
    FHandle.emplace(Qt::NoPen);
    return *FHandle;
  }
  bool thin = FWidth <= 1;
  QPen p(ColorToQColor(FColor), thin ? 0 : FWidth);
  p.setCapStyle(thin ? Qt::FlatCap : Qt::RoundCap);
  p.setJoinStyle(thin ? Qt::MiterJoin : Qt::RoundJoin);
  // Dash lengths in pen widths (pixels for a thin pen), the classic integer patterns.
  switch (FStyle) {
    case psDash:
      p.setDashPattern({18, 6});
      break;
    case psDot:
      p.setDashPattern({3, 3});
      break;
    case psDashDot:
      p.setDashPattern({9, 6, 3, 6});
      break;
    case psDashDotDot:
      p.setDashPattern({9, 3, 3, 3, 3, 3});
      break;
    case psAlternate:
      p.setDashPattern({1, 1});
      break;
    default:
      break;
  }
  FHandle = p;
  return *FHandle;
}

}  // namespace tarnwick
