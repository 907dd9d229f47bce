#include "diagram/view/DiagramScrollBar.h"

#include <algorithm>

#include "diagram/view/Diagram.h"
#include "platform/core/Properties.h"

namespace tarnwick {

const TEnumTypeInfo& ScrollBarKindType() {
  static const TEnumTypeInfo t("TScrollBarKind", {"sbHorizontal", "sbVertical"});
  return t;
}

const TEnumTypeInfo& ScrollBarStyleType() {
  static const TEnumTypeInfo t("TScrollBarStyle", {"ssRegular", "ssFlat", "ssHotTrack"});
  return t;
}

const TClassInfo& TDiagramScrollBar::StaticClassInfo() {
  using S = TDiagramScrollBar;
  static const TClassInfo info(
      "TDiagramScrollBar", &TPersistent::StaticClassInfo(),
      {ColorProp("Color", &S::GetColor, &S::SetColor, clBtnHighlight),
       // With Smooth the line step is derived from the page size at every update.
       IntProp("Increment", &S::GetIncrement, &S::SetIncrement, DefaultIncrement).StoredIf([](TPersistent& p) {
         return !static_cast<S&>(p).GetSmooth();
       }),
       IntProp("Margin", &S::GetMargin, &S::SetMargin, 0),
       BoolProp("ParentColor", &S::GetParentColor, &S::SetParentColor, true),
       IntProp("Position", &S::GetPosition, &S::SetPosition, 0),
       IntProp("Range", &S::GetRange, &S::SetRange, 0).StoredIf([](TPersistent& p) {
         return static_cast<S&>(p).IsRangeStored();
       }),
       BoolProp("Smooth", &S::GetSmooth, &S::SetSmooth, false), IntProp("Size", &S::GetSize, &S::SetSize, 0),
       EnumProp("Style", ScrollBarStyleType(), &S::GetStyle, &S::SetStyle, ssRegular),
       IntProp("ThumbSize", &S::GetThumbSize, &S::SetThumbSize, 0),
       BoolProp("Tracking", &S::GetTracking, &S::SetTracking, false),
       BoolProp("Visible", &S::GetVisible, &S::SetVisible, true)},
      [](TComponent*) -> TPersistent* { return Create<TDiagramScrollBar>(); });
  return info;
}

TDiagramScrollBar::TDiagramScrollBar(TdvDiagram* ADiagram, TScrollBarKind AKind) : FDiagram(ADiagram), FKind(AKind) {}

bool TDiagramScrollBar::IsReading() const { return FDiagram && FDiagram->IsLoading(); }

void TDiagramScrollBar::UpdateScrollBars() {
  if (FDiagram) FDiagram->UpdateScrollBars();
}

void TDiagramScrollBar::AppearanceChanged() {
  FUpdateNeeded = true;
  UpdateScrollBars();
}

bool TDiagramScrollBar::IsRangeStored() const {
  if (FDiagram && (FDiagram->GetAutoScroll() || FDiagram->GetAutoPage())) return false;
  return FRange != 0;
}

void TDiagramScrollBar::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  AppearanceChanged();
}

void TDiagramScrollBar::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  AppearanceChanged();
}

void TDiagramScrollBar::SetSize(int Value) {
  if (FSize == Value) return;
  FSize = Value;
  AppearanceChanged();
}

void TDiagramScrollBar::SetThumbSize(int Value) {
  if (FThumbSize == Value) return;
  FThumbSize = Value;
  AppearanceChanged();
}

void TDiagramScrollBar::SetStyle(TScrollBarStyle Value) {
  if (Value < ssRegular || Value > ssHotTrack || FStyle == Value) return;
  FStyle = Value;
  AppearanceChanged();
}

void TDiagramScrollBar::SetIncrement(int Value) {
  Value = std::clamp(Value, 1, MaxIncrement);
  if (FIncrement == Value) return;
  FIncrement = Value;
  UpdateScrollBars();
}

void TDiagramScrollBar::SetMargin(uint16_t Value) {
  if (FMargin == Value) return;
  FMargin = Value;
  UpdateScrollBars();
}

void TDiagramScrollBar::SetSmooth(bool Value) {
  if (FSmooth == Value) return;
  FSmooth = Value;
  UpdateScrollBars();
}

void TDiagramScrollBar::SetTracking(bool Value) {
  if (FTracking == Value) return;
  FTracking = Value;
  UpdateScrollBars();
}

void TDiagramScrollBar::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  UpdateScrollBars();
}

void TDiagramScrollBar::SetRange(int Value) {
  FRange = std::max(0, Value);
  UpdateScrollBars();
}

int TDiagramScrollBar::ClampPosition(int64_t Value) const {
  return static_cast<int>(std::clamp<int64_t>(Value, 0, FCalcRange));
}

void TDiagramScrollBar::SetPosition(int Value) {
  if (IsReading()) {
    FPosition = Value;
    return;
  }
  if (!FRangeKnown) {
    FPosition = std::max(0, Value);
    return;
  }
  const int clamped = ClampPosition(Value);
  const bool changed = clamped != FPosition;
  FPosition = clamped;
  FWindowBar.Position = FPosition;
  // The drawing is painted at the scroll position, so a new one must show.
  if (changed && FDiagram) FDiagram->RequestRedraw();
}

void TDiagramScrollBar::Update(int AVisibleExtent) {
  const int extent = std::max(0, AVisibleExtent);
  FVisibleExtent = extent;
  FCalcRange = FVisible ? std::max(0, FRange - extent) : 0;
  FRangeKnown = true;
  FWindowBar.ApplyAppearance = FUpdateNeeded;
  FUpdateNeeded = false;
  FWindowBar.Min = 0;
  FWindowBar.Max = FCalcRange >= 1 ? FRange : 0;
  FWindowBar.Page = extent < INT32_MAX ? extent + 1 : extent;
  FWindowBar.Position = FPosition;
  SetPosition(FPosition);
  FPageIncrement = static_cast<int>(int64_t{extent} * 9 / 10);
  if (FSmooth) FIncrement = std::clamp(FPageIncrement / 10, 1, MaxIncrement);
}

bool TDiagramScrollBar::IsScrollBarVisible() const { return FVisible && FRangeKnown && FCalcRange >= 1; }

void TDiagramScrollBar::ChangeBiDiPosition(bool RightToLeft) {
  SetPosition(FKind == sbHorizontal && RightToLeft ? FRange : 0);
}

std::vector<int> TDiagramScrollBar::ScrollPositions(TScrollCode Code, int TrackPos) const {
  std::vector<int> out;
  if (!FVisible) return out;
  int64_t current = FPosition;
  auto push = [&](int64_t target) {
    int p = FRangeKnown ? ClampPosition(target) : static_cast<int>(std::clamp<int64_t>(target, 0, INT32_MAX));
    int last = out.empty() ? FPosition : out.back();
    if (p != last) out.push_back(p);
  };
  // Moves by Distance, in Steps equal parts followed by the remainder when animated.
  auto move = [&](int64_t distance, int steps) {
    if (!FSmooth || steps <= 1) {
      push(current + distance);
      return;
    }
    const int64_t part = distance / steps, rest = distance % steps;
    for (int i = 0; i < steps; ++i) push(current += part);
    if (rest != 0) push(current += rest);
  };
  switch (Code) {
    case scLineUp:
      move(-int64_t{FIncrement}, FLineDiv);
      break;
    case scLineDown:
      move(FIncrement, FLineDiv);
      break;
    case scPageUp:
      if (FSmooth)
        move(-int64_t{FPageIncrement}, FPageDiv);
      else
        push(current - FVisibleExtent);
      break;
    case scPageDown:
      if (FSmooth)
        move(FPageIncrement, FPageDiv);
      else
        push(current + FVisibleExtent);
      break;
    case scPosition:
      push(TrackPos);
      break;
    case scTrack:
      if (FTracking) push(TrackPos);
      break;
    case scTop:
      push(0);
      break;
    case scBottom:
      push(FCalcRange);
      break;
    case scEndScroll:
      break;
  }
  return out;
}

void TDiagramScrollBar::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDiagramScrollBar*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  SetVisible(src->FVisible);
  SetRange(src->FRange);
  SetPosition(src->FPosition);
  FIncrement = src->FIncrement;
}

TScrollBarLayout LayoutScrollBars(int ClientWidth, int ClientHeight, int BarThickness, int HorzRange, bool HorzVisible,
                                  int VertRange, bool VertVisible) noexcept {
  TScrollBarLayout out;
  const int w = std::max(0, ClientWidth), h = std::max(0, ClientHeight), t = std::max(0, BarThickness);
  auto less = [t](int extent, bool shown) { return std::max(0, extent - (shown ? t : 0)); };
  if (VertVisible && VertRange > h) {
    // The drawing is taller than the whole area: the vertical bar is shown in any case.
    out.HorzFirst = true;
    out.HorzExtent = less(w, true);
    const bool horzShown = HorzVisible && HorzRange > out.HorzExtent;
    out.VertExtent = less(h, horzShown);
  } else {
    const bool horzNeeded = HorzVisible && HorzRange > w;
    out.VertExtent = less(h, horzNeeded);
    const bool vertShown = VertVisible && VertRange > out.VertExtent;
    out.HorzExtent = less(w, vertShown);
  }
  return out;
}

}  // namespace tarnwick
