// What all arrows share: the shaft bounds and their clamping, the shaft handle and its drag,
// the preview of a drag, and the link points that follow the stored shaft.
#include <cmath>

#include "blocks/arrows/ArrowBlocks.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {

constexpr TSquare PercentRect{0, 0, 100, 100};
// Data of the shaft handle: the block's own handles use 1 to 10.
constexpr int ShaftHandleData = 100;

using A = TCustomArrowBlock;

// A shaft property written whenever it differs from the class's own value: a stored 0
// must read back as 0, not as the class's default.
TPropInfo ShaftProp(const char* AName, double (A::*AGet)() const, void (A::*ASet)(double),
                    double TArrowKind::*AKindValue) {
  return FloatProp(AName, ftDouble, AGet, ASet).StoredIf([AGet, AKindValue](TPersistent& o) {
    const auto& arrow = static_cast<const A&>(o);
    return (arrow.*AGet)() != arrow.Kind().*AKindValue;
  });
}

// The frame that maps the original rectangle onto ABounds turned by AAngle about its centre.
void FrameOn(TBlockDrawer& d, const TSquare& ABounds, double AAngle) {
  d.SetOriginalRect(PercentRect);
  d.SetCurRect(ABounds);
  d.SetAngle(AAngle);
  d.SetRotationType(rtCurRectCenter);
}

// Clears a flag when the drawing that needed it ends, however it ends.
struct TFlagOn {
  explicit TFlagOn(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagOn() { Flag = false; }
  TFlagOn(const TFlagOn&) = delete;
  TFlagOn& operator=(const TFlagOn&) = delete;
  bool& Flag;
};

}  // namespace

const TClassInfo& TCustomArrowBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  static const TClassInfo info(
      "TCustomArrowBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {// The class places the link points, so a document keeps none of them.
       ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
           .NotStored(),
       ShaftProp("ShaftLength", &A::GetShaftLength, &A::SetShaftLength, &TArrowKind::ShaftLength),
       ShaftProp("ShaftWidth", &A::GetShaftWidth, &A::SetShaftWidth, &TArrowKind::ShaftWidth),
       ShaftProp("MaxShaftLength", &A::GetMaxShaftLength, &A::SetMaxShaftLength, &TArrowKind::MaxShaftLength),
       ShaftProp("MinShaftLength", &A::GetMinShaftLength, &A::SetMinShaftLength, &TArrowKind::MinShaftLength),
       ShaftProp("MaxShaftWidth", &A::GetMaxShaftWidth, &A::SetMaxShaftWidth, &TArrowKind::MaxShaftWidth),
       ShaftProp("MinShaftWidth", &A::GetMinShaftWidth, &A::SetMinShaftWidth, &TArrowKind::MinShaftWidth)});
  return info;
}

TCustomArrowBlock::TCustomArrowBlock(TComponent* AOwner, const TArrowKind& AKind)
    : TCustomDiagramBlock(AOwner), FKind(AKind) {
  GetLinkPoints()->Clear();
  SetOriginalRect(PercentRect);
  SetWidth(100);
  SetHeight(50);
  SetShape(bsNoShape);
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
  SetShapeCursor(true);
  FMaxShaftLength = AKind.MaxShaftLength;
  FMinShaftLength = AKind.MinShaftLength;
  FMaxShaftWidth = AKind.MaxShaftWidth;
  FMinShaftWidth = AKind.MinShaftWidth;
  FShaftLength = Clamp(AKind.ShaftLength, FMinShaftLength, FMaxShaftLength);
  FShaftWidth = Clamp(AKind.ShaftWidth, FMinShaftWidth, FMaxShaftWidth);
  FWidthDeltaFactor = AKind.WidthDeltaFactor;
  FLengthDeltaFactor = AKind.LengthDeltaFactor;
  FShaftHandle = GetHandles()->Add(0, 0, crDefault, ShaftHandleData, hsCustom);
  UpdateLinkPoints();
}

// ---- Shaft values ----

double TCustomArrowBlock::Clamp(double Value, double AMin, double AMax) {
  return std::max(AMin, std::min(AMax, Value));
}

bool TCustomArrowBlock::Reading() const { return IsLoading(); }

double TCustomArrowBlock::EffectiveLength() const {
  return FUseTempShaft && FTempShaftLength != -1 ? FTempShaftLength : FShaftLength;
}

double TCustomArrowBlock::EffectiveWidth() const {
  return FUseTempShaft && FTempShaftWidth != -1 ? FTempShaftWidth : FShaftWidth;
}

void TCustomArrowBlock::ShaftChanged() {
  UpdateLinkPoints();
  Redraw();
}

// A value that is not a number would be written into the document and poison every
// outline computed from it: it is refused like an unchanged value.

void TCustomArrowBlock::SetShaftLength(double Value) {
  if (Value == FShaftLength || !std::isfinite(Value)) return;
  FShaftLength = Reading() ? Value : Clamp(Value, FMinShaftLength, FMaxShaftLength);
  if (!Reading()) ShaftChanged();
}

void TCustomArrowBlock::SetShaftWidth(double Value) {
  if (Value == FShaftWidth || !std::isfinite(Value)) return;
  FShaftWidth = Reading() ? Value : Clamp(Value, FMinShaftWidth, FMaxShaftWidth);
  if (!Reading()) ShaftChanged();
}

void TCustomArrowBlock::SetMaxShaftLength(double Value) {
  if (Value == FMaxShaftLength || !std::isfinite(Value)) return;
  FMaxShaftLength = Value;
  if (!Reading() && FShaftLength > Value) SetShaftLength(Value);
}

void TCustomArrowBlock::SetMinShaftLength(double Value) {
  if (Value == FMinShaftLength || !std::isfinite(Value)) return;
  FMinShaftLength = Value;
  if (!Reading() && Value > FShaftLength) SetShaftLength(Value);
}

void TCustomArrowBlock::SetMaxShaftWidth(double Value) {
  if (Value == FMaxShaftWidth || !std::isfinite(Value)) return;
  FMaxShaftWidth = Value;
  if (!Reading() && FShaftWidth > Value) SetShaftWidth(Value);
}

void TCustomArrowBlock::SetMinShaftWidth(double Value) {
  if (Value == FMinShaftWidth || !std::isfinite(Value)) return;
  FMinShaftWidth = Value;
  if (!Reading() && Value > FShaftWidth) SetShaftWidth(Value);
}

void TCustomArrowBlock::Loaded() {
  TCustomDiagramBlock::Loaded();
  // The values were read as they stood; the bounds read with them apply now, whatever
  // their order in the document.
  FShaftLength = Clamp(FShaftLength, FMinShaftLength, FMaxShaftLength);
  FShaftWidth = Clamp(FShaftWidth, FMinShaftWidth, FMaxShaftWidth);
  UpdateLinkPoints();
}

// ---- Outline, handle and link points ----

void TCustomArrowBlock::BuildOutline(TOutlineSink& AOutline) {
  thread_local TDotArray pts;
  pts.clear();
  FKind.Outline(EffectiveLength(), EffectiveWidth(), pts);
  AOutline.Polygon(pts);
}

TDot TCustomArrowBlock::GetShaftHandlePoint() {
  TDot p = FKind.ShaftHandle(EffectiveLength(), EffectiveWidth());
  // A flipped arrow shows its handle where its outline puts the shaft corner.
  if (GetHorizontalFlip()) p.X = 100 - p.X;
  if (GetVerticalFlip()) p.Y = 100 - p.Y;
  TBlockDrawer d;
  FrameOn(d, GetBoundsRect(), GetAngle());
  return d.RotX(d.PP(p));
}

TDot TCustomArrowBlock::GetHandlePoint(TStretchHandle* AHandle) {
  if (AHandle && AHandle == FShaftHandle) return GetShaftHandlePoint();
  return TCustomDiagramBlock::GetHandlePoint(AHandle);
}

void TCustomArrowBlock::UpdateLinkPoints() {
  TLinkPoints* points = GetLinkPoints();
  const auto& orientations = FKind.LinkOrientations;
  // Only missing points are made: a block keeps its point objects, and the lines anchored
  // to them, whatever happens to the shaft.
  for (int i = points->Count(); i < static_cast<int>(orientations.size()); ++i)
    points->Add(0, 0, orientations[static_cast<size_t>(i)]);
  thread_local TDotArray places;
  places.clear();
  FKind.LinkPlaces(FShaftLength, FShaftWidth, places);
  bool moved = false;
  for (size_t i = 0; i < places.size() && static_cast<int>(i) < points->Count(); ++i) {
    TLinkPoint* p = points->GetItems(static_cast<int>(i));
    if (p->GetOrPoint() == places[i]) continue;
    p->SetOrPoint(places[i]);
    moved = true;
  }
  if (moved) NotifyAnchoreds(acPosition);
}

// ---- Dragging the shaft handle ----

void TCustomArrowBlock::ComputeTempShaft(TDot ADelta) {
  const bool preview = FUseTempShaft;
  FUseTempShaft = false;
  const TDot p0 = GetShaftHandlePoint();
  FUseTempShaft = preview;
  TBlockDrawer d;
  FrameOn(d, GetBoundsRect(), GetAngle());
  const TDot s0 = d.UnPP(d.UnrotX(p0)), s1 = d.UnPP(d.UnrotX(TDot{p0.X + ADelta.X, p0.Y + ADelta.Y}));
  double dx = s1.X - s0.X, dy = s1.Y - s0.Y;
  if (GetHorizontalFlip()) dx = -dx;
  if (GetVerticalFlip()) dy = -dy;
  // The same clamping as the setters, so the preview shows what the drop will store.
  FTempShaftWidth = Clamp(FShaftWidth + FWidthDeltaFactor * dy, FMinShaftWidth, FMaxShaftWidth);
  FTempShaftLength = Clamp(FShaftLength + FLengthDeltaFactor * dx, FMinShaftLength, FMaxShaftLength);
}

void TCustomArrowBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  if (!AInfo.AHandle || AInfo.AHandle != FShaftHandle) {
    TCustomDiagramBlock::UpdateHandleMove(AInfo);
    return;
  }
  switch (AInfo.Action) {
    case haDrawCursor:
      ComputeTempShaft(AInfo.Delta);
      [[fallthrough]];
    case haEraseCursor: {
      const TFlagOn preview(FUseTempShaft);
      DrawCursorAt(AInfo.Canvas, GetBoundsRect(), GetAngle());
      break;
    }
    case haPositionCursor:
      ComputeTempShaft(AInfo.Delta);
      SetCursorGeometry(GetBoundsRect(), GetAngle(), GetRotationCenter());
      break;
    case haMoved:
      ComputeTempShaft(AInfo.Delta);
      SetShaftWidth(FTempShaftWidth);
      SetShaftLength(FTempShaftLength);
      break;
  }
}

void TCustomArrowBlock::StartMove() {
  // A preview of this drag must not show the shaft of an earlier, maybe cancelled one.
  FTempShaftLength = FTempShaftWidth = -1;
}

void TCustomArrowBlock::StartResize() { FTempShaftLength = FTempShaftWidth = -1; }

void TCustomArrowBlock::EnterCursorState() {
  TCustomDiagramBlock::EnterCursorState();
  FUseTempShaft = true;
}

void TCustomArrowBlock::LeaveCursorState() {
  FUseTempShaft = false;
  TCustomDiagramBlock::LeaveCursorState();
}

}  // namespace tarnwick
