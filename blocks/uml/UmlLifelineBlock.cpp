// The object lifeline: a head box and a line below it whose length the user drags with a
// handle at its end. Messages attach to link points every LinkSpace units along the line;
// they are made, moved and dropped as the line's length changes, and a point that a
// message still holds is hidden at the line's end rather than deleted.
#include <algorithm>
#include <array>
#include <cmath>

#include "blocks/uml/UmlBlocks.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/StretchHandles.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrCanvas.h"
#include "graphics/DgrPen.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

namespace {

// Data of the line handle: the block's own handles use 1 to 10.
constexpr int LineHandleData = 100;
constexpr TSquare PercentRect{0, 0, 100, 100};
// The head's own points: the middle of its left side and its lower left corner.
constexpr int HeadPoints = 2;
constexpr std::array<TUMLLinkPoint, HeadPoints> HeadLinkPoints{{{aoLeft, {0, 50}}, {aoLeft, {0, 100}}}};

struct TFlagOn {
  explicit TFlagOn(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagOn() { Flag = false; }
  TFlagOn(const TFlagOn&) = delete;
  TFlagOn& operator=(const TFlagOn&) = delete;
  bool& Flag;
};

}  // namespace

void UMLLineOffsets(double ALength, int ASpace, std::vector<double>& AOffsets) {
  AOffsets.clear();
  if (!std::isfinite(ALength) || ALength <= 0 || ASpace <= 0) return;
  // Counted in doubles: a length near the integer range must not overflow the count.
  const double whole = std::floor(ALength / ASpace);
  const bool rest = ALength - whole * ASpace > 0;
  const double wanted = whole + (rest ? 1 : 0);
  const int count = static_cast<int>(std::min<double>(wanted, MaxUMLLinePoints));
  for (int i = 1; i < count; ++i) AOffsets.push_back(double(i) * ASpace);
  // The last point is always at the end, even when the cap left points out before it.
  if (count > 0) AOffsets.push_back(count == wanted ? std::min(double(count) * ASpace, ALength) : ALength);
}

const TClassInfo& TUMLObjectLifelineBlock::StaticClassInfo() {
  using L = TUMLObjectLifelineBlock;
  static const TClassInfo info("TUMLObjectLifelineBlock", &TUMLBlock::StaticClassInfo(),
                               {IntProp("LifeLineLength", &L::GetLifeLineLength, &L::SetLifeLineLength, 60),
                                // Whether the pen is the user's: a pen set by hand is drawn as it is, the class's
                                // own pen is drawn dashed. Kept in the document so that a reloaded line looks the same.
                                BoolProp("PenChanged", &L::GetPenChanged, &L::SetPenChanged, false)},
                               [](TComponent* owner) { return Create<TUMLObjectLifelineBlock>(owner); });
  return info;
}

TUMLObjectLifelineBlock::TUMLObjectLifelineBlock(TComponent* AOwner) : TUMLBlock(AOwner) {
  SetShapeCursor(false);
  SetRestrictions(GetRestrictions() + TControlRestrictions{crNoRotation});
  SetOriginalRect(PercentRect);
  FLineLength = 3 * FLinkSpace;
  SetWidth(80);
  SetHeight(40);
  FLineHandle = GetHandles()->Add(0, 0, crSizeNS, LineHandleData, hsCustom);
  SetLinkPointsTo(HeadLinkPoints);
  LayOutLinkPoints(FLineLength);
}

double TUMLObjectLifelineBlock::EffectiveLength() const {
  return FUseTempLine && FTempLineLength != -1 ? FTempLineLength : FLineLength;
}

void TUMLObjectLifelineBlock::SetLifeLineLength(int Value) {
  Value = std::max(Value, FMinLineLength);
  if (Value == FLineLength) return;
  FLineLength = Value;
  if (!IsLoading()) LayOutLinkPoints(FLineLength);
  Redraw();
}

void TUMLObjectLifelineBlock::SetPenChanged(bool Value) {
  if (Value == FPenChanged) return;
  FPenChanged = Value;
  Redraw();
}

void TUMLObjectLifelineBlock::PenChanged() {
  if (!IsLoading()) FPenChanged = true;
}

void TUMLObjectLifelineBlock::Loaded() {
  TUMLBlock::Loaded();
  // A document written before the flag was kept tells the user's pen by its differing
  // from the class's own.
  const TPen* pen = GetPen();
  if (pen->GetStyle() != psSolid || pen->GetColor() != clBlack || pen->GetWidth() != 1) FPenChanged = true;
  LayOutLinkPoints(FLineLength);
  // The held points come back hidden at the line's end, where the lines that hold them
  // anchor again once their anchors are resolved.
  TLinkPoints* points = GetLinkPoints();
  for (int i = 0; i < FHeldPointsRead; ++i) points->Add(50, FLineLength, aoHorz)->SetVisible(false);
  FHeldPointsRead = 0;
}

int TUMLObjectLifelineBlock::HeldPointCount() const {
  thread_local std::vector<double> offsets;
  UMLLineOffsets(FLineLength, FLinkSpace, offsets);
  return std::max(0, GetLinkPoints()->Count() - HeadPoints - static_cast<int>(offsets.size()));
}

void TUMLObjectLifelineBlock::DefineProperties(TFiler* Filer) {
  TUMLBlock::DefineProperties(Filer);
  // The link points are the class's and are not stored; those a shortened line keeps for
  // the lines that hold them must be, or the lines would come back loose.
  Filer->DefineProperty(
      "HeldLinkPoints", [this](TReader& R) { FHeldPointsRead = std::clamp<int>(R.ReadInteger(), 0, MaxUMLLinePoints); },
      [this](TWriter& W) { W.WriteInteger(HeldPointCount()); }, HeldPointCount() > 0);
}

double TUMLObjectLifelineBlock::LinkOffset(int AIndex) const {
  const TLinkPoints* points = GetLinkPoints();
  return AIndex >= HeadPoints && AIndex < points->Count() ? points->GetItems(AIndex)->GetOrY() : 0;
}

void TUMLObjectLifelineBlock::LayOutLinkPoints(int ALength) {
  TLinkPoints* points = GetLinkPoints();
  thread_local std::vector<double> offsets;
  UMLLineOffsets(ALength, FLinkSpace, offsets);
  const int wanted = HeadPoints + static_cast<int>(offsets.size());
  bool changed = false;
  // Surplus points at the end go, up to the first one a line holds.
  while (points->Count() > wanted && points->GetItems(points->Count() - 1)->AnchoredCount() == 0) {
    points->Delete(points->Count() - 1);
    changed = true;
  }
  for (int i = points->Count(); i < wanted; ++i) {
    points->Add(50, 0, aoHorz);
    changed = true;
  }
  for (int i = HeadPoints; i < points->Count(); ++i) {
    TLinkPoint* p = points->GetItems(i);
    const bool surplus = i >= wanted;
    // A held surplus point waits, hidden, at the end of the line.
    const double at = surplus ? ALength : offsets[static_cast<size_t>(i - HeadPoints)];
    if (p->GetOrY() != at) {
      p->SetOrPoint(TDot{50, at});
      changed = true;
    }
    if (p->GetVisible() == surplus) p->SetVisible(!surplus);
  }
  if (changed) NotifyAnchoreds(acPosition);
}

TDot TUMLObjectLifelineBlock::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  if (!ALinkPoint || ALinkPoint->GetIndex() < HeadPoints) return TUMLBlock::GetLinkPointPoint(ALinkPoint);
  return TDot{GetLeft() + GetWidth() / 2, GetBottom() + Round(ALinkPoint->GetOrY())};
}

void TUMLObjectLifelineBlock::BuildOutline(TOutlineSink& AOutline) { AOutline.Rectangle(PercentRect); }

TSquare TUMLObjectLifelineBlock::ControlRect() {
  // The line belongs to the block: it is repainted and picked with it.
  const TSquare r = TUMLBlock::ControlRect();
  const double cx = GetLeft() + GetWidth() / 2, end = GetBottom() + EffectiveLength();
  return TSquare{std::min(r.Left, cx), std::min(r.Top, end), std::max(r.Right, cx), std::max(r.Bottom, end)};
}

void TUMLObjectLifelineBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TUMLBlock::DrawBlock(AInfo, ABlockInfo);
  const double cx = GetLeft() + GetWidth() / 2, top = GetBottom(), bottom = top + EffectiveLength();
  // The class's own pen draws the line dashed; a pen the user chose is drawn as it is.
  auto pen = MakeOwned<TPen>();
  pen->Assign(GetPen());
  if (!FPenChanged) pen->SetStyle(psDash);
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    TDgrCanvas* canvas = engine->GetCanvas();
    canvas->GetPen()->Assign(pen.get());
    if (pen->GetStyle() != psClear) canvas->GetPen()->SetTransparency(GetTransparency());
    canvas->DrawLine(cx, top, cx, bottom);
    return;
  }
  TCanvas* canvas = AInfo.Canvas ? AInfo.Canvas : (AInfo.Drawer ? AInfo.Drawer->GetCanvas() : nullptr);
  if (!canvas) return;
  TDot a{cx, top}, b{cx, bottom};
  if (TDiagramHost* host = GetDiagramHost()) {
    a = host->ClientToCanvas(a);
    b = host->ClientToCanvas(b);
  }
  auto saved = MakeOwned<TPen>();
  saved->Assign(canvas->GetPen());
  canvas->SetPen(pen.get());
  canvas->MoveTo(Round(a.X), Round(a.Y));
  canvas->LineTo(Round(b.X), Round(b.Y));
  canvas->SetPen(saved.get());
}

TDot TUMLObjectLifelineBlock::GetHandlePoint(TStretchHandle* AHandle) {
  if (!AHandle || AHandle != FLineHandle) return TUMLBlock::GetHandlePoint(AHandle);
  return TDot{GetLeft() + GetWidth() / 2, GetBottom() + EffectiveLength()};
}

void TUMLObjectLifelineBlock::ComputeTempLength(TDot ADelta) {
  // A drag that went nowhere a number can say keeps the length it started with.
  if (!std::isfinite(ADelta.Y)) return;
  FTempLineLength = std::max<double>(FLineLength + ADelta.Y, FMinLineLength);
}

void TUMLObjectLifelineBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  if (!AInfo.AHandle || AInfo.AHandle != FLineHandle) {
    TUMLBlock::UpdateHandleMove(AInfo);
    return;
  }
  switch (AInfo.Action) {
    case haDrawCursor: {
      ComputeTempLength(AInfo.Delta);
      const TFlagOn preview(FUseTempLine);
      LayOutLinkPoints(Round(FTempLineLength));
      DrawCursorAt(AInfo.Canvas, GetBoundsRect(), GetAngle());
      break;
    }
    case haEraseCursor: {
      {
        const TFlagOn preview(FUseTempLine);
        DrawCursorAt(AInfo.Canvas, GetBoundsRect(), GetAngle());
      }
      LayOutLinkPoints(FLineLength);
      break;
    }
    case haPositionCursor:
      ComputeTempLength(AInfo.Delta);
      SetCursorGeometry(GetBoundsRect(), GetAngle(), GetRotationCenter());
      break;
    case haMoved:
      FTempLineLength = FLineLength;
      ComputeTempLength(AInfo.Delta);
      SetLifeLineLength(Round(FTempLineLength));
      break;
  }
}

void TUMLObjectLifelineBlock::StartMove() { FTempLineLength = FLineLength; }

void TUMLObjectLifelineBlock::StartResize() { FTempLineLength = FLineLength; }

void TUMLObjectLifelineBlock::EnterCursorState() {
  TUMLBlock::EnterCursorState();
  FUseTempLine = true;
}

void TUMLObjectLifelineBlock::LeaveCursorState() {
  FUseTempLine = false;
  TUMLBlock::LeaveCursorState();
}

}  // namespace tarnwick
