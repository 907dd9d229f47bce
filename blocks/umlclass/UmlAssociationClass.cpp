// The association class: a class box tied by a dashed line to the middle of an association
// drawn between two end handles below it. The ends are offsets from the box's bottom
// corners, so they travel with the box; an end anchored to another link point follows it.
#include <cmath>

#include "blocks/umlclass/UmlClassBlocks.h"
#include "diagram/model/BlockOutline.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrCanvas.h"
#include "graphics/DgrPath.h"
#include "graphics/DgrPen.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

namespace {
constexpr int LeftHandleData = 20;
constexpr int RightHandleData = 21;
constexpr int LeftLinkIndex = 12;
constexpr int RightLinkIndex = 13;

TPoint RoundedDot(TDot P) { return TPoint{Round(P.X), Round(P.Y)}; }
}  // namespace

const TClassInfo& TUMLAssociationClassBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  // The end points are the block's own and may be anchored elsewhere: unlike the other
  // boxes, the document keeps the link points, anchors included.
  static const TClassInfo info(
      "TUMLAssociationClassBlock", &TUMLClassBlock::StaticClassInfo(),
      {ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)},
      [](TComponent* owner) { return Create<TUMLAssociationClassBlock>(owner); });
  return info;
}

TUMLAssociationClassBlock::TUMLAssociationClassBlock(TComponent* AOwner) : TUMLClassBlock(AOwner) {
  TStretchHandles* handles = GetHandles();
  FLeftHandle = handles->Add(0, 0, crHandPoint, LeftHandleData, hsCustom);
  FLeftHandle->SetAlwaysMovable(true);
  FRightHandle = handles->Add(0, 0, crHandPoint, RightHandleData, hsCustom);
  FRightHandle->SetAlwaysMovable(true);
  SetDefaultLinkPoints();
  FPenChanged = false;
}

void TUMLAssociationClassBlock::SetDefaultLinkPoints() {
  TUMLClassBlock::SetDefaultLinkPoints();
  // The two ends: they anchor to other points, and no line anchors to them.
  for (int i = 0; i < 2; ++i) {
    TLinkPoint* p = GetLinkPoints()->Add(0, 0, aoNone);
    p->SetCanAnchor(true);
    p->SetCanAnchorInMove(true);
    p->SetLinkConstraint(lcNone);
  }
}

TLinkPoint* TUMLAssociationClassBlock::GetLeftLink() const {
  return GetLinkPoints()->Count() > LeftLinkIndex ? GetLinkPoints()->GetItems(LeftLinkIndex) : nullptr;
}

TLinkPoint* TUMLAssociationClassBlock::GetRightLink() const {
  return GetLinkPoints()->Count() > RightLinkIndex ? GetLinkPoints()->GetItems(RightLinkIndex) : nullptr;
}

TPoint TUMLAssociationClassBlock::AnchoredOffset(TLinkPoint* ALink, TPoint AOffset, TDot ACorner) {
  TLinkPoint* anchor = ALink ? ALink->GetAnchorLink() : nullptr;
  if (!anchor || !anchor->GetDControl()) return AOffset;
  const TDot at = anchor->GetDControl()->GetLinkPointPoint(anchor);
  return RoundedDot(TDot{at.X - ACorner.X, at.Y - ACorner.Y});
}

TPoint TUMLAssociationClassBlock::GetLeftHandlePos() {
  FLeftHandlePos = AnchoredOffset(GetLeftLink(), FLeftHandlePos, TDot{GetLeft(), GetBottom()});
  return FLeftHandlePos;
}

TPoint TUMLAssociationClassBlock::GetRightHandlePos() {
  FRightHandlePos = AnchoredOffset(GetRightLink(), FRightHandlePos, TDot{GetRight(), GetBottom()});
  return FRightHandlePos;
}

void TUMLAssociationClassBlock::SetLeftHandlePos(TPoint Value) {
  if (FLeftHandlePos.X == Value.X && FLeftHandlePos.Y == Value.Y) return;
  FLeftHandlePos = Value;
  Redraw();
}

void TUMLAssociationClassBlock::SetRightHandlePos(TPoint Value) {
  if (FRightHandlePos.X == Value.X && FRightHandlePos.Y == Value.Y) return;
  FRightHandlePos = Value;
  Redraw();
}

TDot TUMLAssociationClassBlock::LeftEnd() {
  const TPoint o = FUseTempLeft && FTempLeftPos.X != NoTemp ? FTempLeftPos : GetLeftHandlePos();
  return TDot{GetLeft() + o.X, GetBottom() + o.Y};
}

TDot TUMLAssociationClassBlock::RightEnd() {
  const TPoint o = FUseTempRight && FTempRightPos.X != NoTemp ? FTempRightPos : GetRightHandlePos();
  return TDot{GetRight() + o.X, GetBottom() + o.Y};
}

void TUMLAssociationClassBlock::EndsAndTie(TDot& ALeft, TDot& ARight, TDot& ATieFrom, TDot& ATieTo) {
  ALeft = LeftEnd();
  ARight = RightEnd();
  ATieFrom = TDot{(ALeft.X + ARight.X) / 2, (ALeft.Y + ARight.Y) / 2};
  const TSquare b = GetBoundsRect();
  const double mx = (b.Left + b.Right) / 2, my = (b.Top + b.Bottom) / 2;
  // The nearest edge middle; the first of equal distances wins.
  const TDot candidates[] = {{b.Left, my}, {b.Right, my}, {mx, b.Top}, {mx, b.Bottom}};
  double best = INFINITY;
  for (TDot c : candidates) {
    const double d = std::hypot(c.X - ATieFrom.X, c.Y - ATieFrom.Y);
    if (d < best) {
      best = d;
      ATieTo = c;
    }
  }
}

TSquare TUMLAssociationClassBlock::ControlRect() {
  TSquare r = TUMLClassBlock::ControlRect();
  const TSquare b = GetBoundsRect();
  for (TDot p : {LeftEnd(), RightEnd()}) {
    // A flipped block draws the association mirrored with it.
    const TDot m{GetHorizontalFlip() ? b.Left + b.Right - p.X : p.X, GetVerticalFlip() ? b.Top + b.Bottom - p.Y : p.Y};
    for (TDot q : {p, m})
      r = TSquare{std::min(r.Left, q.X), std::min(r.Top, q.Y), std::max(r.Right, q.X), std::max(r.Bottom, q.Y)};
  }
  return r;
}

TDot TUMLAssociationClassBlock::GetHandlePoint(TStretchHandle* AHandle) {
  if (AHandle && AHandle == FLeftHandle) return LeftEnd();
  if (AHandle && AHandle == FRightHandle) return RightEnd();
  return TUMLClassBlock::GetHandlePoint(AHandle);
}

TDot TUMLAssociationClassBlock::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  const int index = ALinkPoint ? ALinkPoint->GetIndex() : -1;
  if (ALinkPoint && ALinkPoint->GetDControl() == this) {
    if (index == LeftLinkIndex) return LeftEnd();
    if (index == RightLinkIndex) return RightEnd();
  }
  return TUMLClassBlock::GetLinkPointPoint(ALinkPoint);
}

TLinkPoint* TUMLAssociationClassBlock::HandleLinkPoint(TStretchHandle* AHandle) {
  TLinkPoints* points = GetLinkPoints();
  if (AHandle && AHandle == FLeftHandle && points->Count() > LeftLinkIndex) return points->GetItems(LeftLinkIndex);
  if (AHandle && AHandle == FRightHandle && points->Count() > RightLinkIndex) return points->GetItems(RightLinkIndex);
  return TUMLClassBlock::HandleLinkPoint(AHandle);
}

void TUMLAssociationClassBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  const bool left = AInfo.AHandle && AInfo.AHandle == FLeftHandle;
  const bool right = AInfo.AHandle && AInfo.AHandle == FRightHandle;
  if (!left && !right) {
    TUMLClassBlock::UpdateHandleMove(AInfo);
    return;
  }
  const TPoint base = left ? GetLeftHandlePos() : GetRightHandlePos();
  const TPoint moved{Round(base.X + AInfo.Delta.X), Round(base.Y + AInfo.Delta.Y)};
  switch (AInfo.Action) {
    case haDrawCursor:
    case haPositionCursor:
      // Only the dragged end is previewed; the other keeps its offset.
      (left ? FTempLeftPos : FTempRightPos) = moved;
      (left ? FUseTempLeft : FUseTempRight) = true;
      Redraw();
      break;
    case haEraseCursor:
      (left ? FUseTempLeft : FUseTempRight) = false;
      Redraw();
      break;
    case haMoved: {
      FUseTempLeft = FUseTempRight = false;
      FTempLeftPos = FTempRightPos = TPoint{NoTemp, 0};
      TLinkPoint* end = HandleLinkPoint(AInfo.AHandle);
      // Anchored ends report the anchor's offset: drop the anchor before storing.
      if (end) end->SetAnchorLink(nullptr);
      if (left)
        SetLeftHandlePos(moved);
      else
        SetRightHandlePos(moved);
      if (end && AInfo.AnchorPoint && AInfo.AnchorPoint->GetDControl() != this) end->SetAnchorLink(AInfo.AnchorPoint);
      NotifyAnchoreds(acPosition);
      Redraw();
      break;
    }
  }
}

void TUMLAssociationClassBlock::PenChanged() {
  TUMLClassBlock::PenChanged();
  if (!MembersLoading()) FPenChanged = true;
}

void TUMLAssociationClassBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TUMLClassBlock::DrawBlock(AInfo, ABlockInfo);
  TDot l, r, from, to;
  EndsAndTie(l, r, from, to);
  // Both lines in the original rectangle's units, so they go through the block's mapping.
  const TSquare o = GetOriginalRect();
  const double sx = (o.Right - o.Left) / std::max(GetWidth(), 1e-9),
               sy = (o.Bottom - o.Top) / std::max(GetHeight(), 1e-9);
  auto toOriginal = [&](TDot p) { return TDot{o.Left + (p.X - GetLeft()) * sx, o.Top + (p.Y - GetTop()) * sy}; };
  const TDot segment[] = {toOriginal(l), toOriginal(r)};
  const TDot tie[] = {toOriginal(from), toOriginal(to)};
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    TDgrGraphicsPath* path = GetTempPath();
    if (!path) return;
    TDgrCanvas* canvas = engine->GetCanvas();
    canvas->GetPen()->Assign(GetPen());
    for (const auto& line : {segment, tie}) {
      path->Reset();
      TPathOutline outline(*path, *engine);
      outline.Polygon(std::span<const TDot>(line, 2));
      outline.Finish();
      canvas->DrawPath(path);
    }
    return;
  }
  TBlockDrawer* d = AInfo.Drawer;
  if (!d || !d->GetCanvas()) return;
  TCanvas* canvas = d->GetCanvas();
  auto pen = MakeOwned<TPen>();
  auto brush = MakeOwned<TBrush>();
  pen->Assign(canvas->GetPen());
  brush->Assign(canvas->GetBrush());
  canvas->SetPen(GetPen());
  canvas->GetBrush()->SetStyle(bsClear);
  TCanvasOutline lines(*d, o, 1, 1, GetHorizontalFlip(), GetVerticalFlip());
  lines.Polygon(segment);
  if (!FPenChanged) canvas->GetPen()->SetStyle(psDash);
  lines.Polygon(tie);
  canvas->SetPen(pen.get());
  canvas->SetBrush(brush.get());
}

void TUMLAssociationClassBlock::DefineProperties(TFiler* Filer) {
  TUMLClassBlock::DefineProperties(Filer);
  auto define = [&](const char* AName, TPoint TUMLAssociationClassBlock::*AField) {
    Filer->DefineProperty(
        AName,
        [this, AField](TReader& R) {
          R.ReadListBegin();
          const int x = R.ReadInteger();
          const int y = R.ReadInteger();
          R.ReadListEnd();
          this->*AField = TPoint{x, y};
        },
        [this, AField](TWriter& W) {
          W.WriteListBegin();
          W.WriteInteger((this->*AField).X);
          W.WriteInteger((this->*AField).Y);
          W.WriteListEnd();
        },
        true);
  };
  define("LeftHandlePos", &TUMLAssociationClassBlock::FLeftHandlePos);
  define("RightHandlePos", &TUMLAssociationClassBlock::FRightHandlePos);
}

}  // namespace tarnwick
