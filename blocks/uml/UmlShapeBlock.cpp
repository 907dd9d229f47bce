// The UML block bases: the link point reset every UML block has, and the shape block that
// builds its outline, hit outline and link points from its class's TUMLShapeKind.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "blocks/uml/UmlBlocks.h"
#include "geometry/BlockDrawer.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {

constexpr std::array<TUMLLinkPoint, 4> PercentMiddles{
    {{aoUp, {50, 0}}, {aoDown, {50, 100}}, {aoLeft, {0, 50}}, {aoRight, {100, 50}}}};

const TUMLShapeKind StandardShape{{0, 0, 100, 100}, 100, 50, uokFigures, {}, PercentMiddles, {0, 0, 100, 100}, false};

// Enough for a smooth corner on a block filling the screen, few enough for hit tests on
// every mouse move.
constexpr int StepsPerQuarter = 16;

// Appends the arc of the ellipse with centre C and radii RX, RY from AFrom to ATo degrees
// (clockwise on the screen, 0 at the right), both ends included.
void AddArc(TDotArray& APts, TDot C, double RX, double RY, double AFrom, double ATo) {
  for (int i = 0; i <= StepsPerQuarter; ++i) {
    const double t = (AFrom + (ATo - AFrom) * i / StepsPerQuarter) * std::numbers::pi / 180;
    APts.push_back(TDot{C.X + RX * std::cos(t), C.Y + RY * std::sin(t)});
  }
}

// How many original units one diagram unit is along an axis of ASize diagram units and
// ASpan original units; 0 for a block without extent there.
double UnitsPer(double ASize, double ASpan) { return ASize != 0 ? ASpan / std::fabs(ASize) : 0; }

// A rounded rectangle over S whose corner ellipse is ACorner x ACorner diagram units (at
// most the shorter side), flattened in original coordinates so that the corners stay round
// whatever the block's proportions.
void RoundedOutline(TOutlineSink& AOutline, const TSquare& S, double AWidth, double AHeight, double ACorner) {
  const double corner = std::min({ACorner, std::fabs(AWidth), std::fabs(AHeight)});
  const double rx = corner / 2 * UnitsPer(AWidth, S.Right - S.Left);
  const double ry = corner / 2 * UnitsPer(AHeight, S.Bottom - S.Top);
  thread_local TDotArray pts;
  pts.clear();
  AddArc(pts, {S.Left + rx, S.Top + ry}, rx, ry, 180, 270);
  AddArc(pts, {S.Right - rx, S.Top + ry}, rx, ry, 270, 360);
  AddArc(pts, {S.Right - rx, S.Bottom - ry}, rx, ry, 0, 90);
  AddArc(pts, {S.Left + rx, S.Bottom - ry}, rx, ry, 90, 180);
  AOutline.Polygon(pts);
}

void AddFigure(TOutlineSink& AOutline, const TUMLFigure& F) {
  switch (F.Kind) {
    case TUMLFigure::fkPolygon:
      AOutline.Polygon(F.Points);
      break;
    case TUMLFigure::fkEllipse:
      AOutline.Ellipse(F.Rect);
      break;
    case TUMLFigure::fkRectangle:
      AOutline.Rectangle(F.Rect);
      break;
    case TUMLFigure::fkStroke: {
      // Walked there and back: stroked like the outline, without area to fill or to hit.
      const std::array<TDot, 3> there{F.Points[0], F.Points[1], F.Points[0]};
      AOutline.Polygon(there);
      break;
    }
  }
}

}  // namespace

// ---- TUMLBlock ----

const TClassInfo& TUMLBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  // The class places the link points, so a document keeps none of them.
  static const TClassInfo info(
      "TUMLBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
           .NotStored()});
  return info;
}

void TUMLBlock::SetDefaultLinkPoints() {
  const TSquare s = GetOriginalRect();
  const double w = s.Right - s.Left, h = s.Bottom - s.Top;
  const std::array<TUMLLinkPoint, 4> middles{
      {{aoUp, {w / 2, s.Top}}, {aoDown, {w / 2, s.Bottom}}, {aoLeft, {s.Left, h / 2}}, {aoRight, {s.Right, h / 2}}}};
  SetLinkPointsTo(middles);
}

void TUMLBlock::SetLinkPointsTo(std::span<const TUMLLinkPoint> APoints) {
  TLinkPoints* points = GetLinkPoints();
  points->BeginUpdate();
  points->Clear();
  for (const TUMLLinkPoint& p : APoints) points->Add(p.At.X, p.At.Y, p.Orientation);
  points->EndUpdate();
}

// ---- TUMLShapeBlock ----

const TClassInfo& TUMLShapeBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLShapeBlock", &TUMLBlock::StaticClassInfo(), {});
  return info;
}

TUMLShapeBlock::TUMLShapeBlock(TComponent* AOwner) : TUMLShapeBlock(AOwner, StandardShape) {}

TUMLShapeBlock::TUMLShapeBlock(TComponent* AOwner, const TUMLShapeKind& AKind) : TUMLBlock(AOwner), FKind(&AKind) {
  SetOriginalRect(AKind.Source);
  SetWidth(AKind.Width);
  SetHeight(AKind.Height);
  SetShape(bsNoShape);
  SetDefaultLinkPoints();
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
  SetShapeCursor(true);
  FUseSurroundRect = AKind.UseSurroundRect;
  const TSquare t = AKind.TextBounds;
  DefaultTextCell()->SetBounds(t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top);
}

void TUMLShapeBlock::SetDefaultLinkPoints() { SetLinkPointsTo(FKind->LinkPoints); }

double TUMLShapeBlock::NotchDepth() const {
  const TSquare s = FKind->Source;
  return std::fabs(GetHeight()) / 2 * UnitsPer(GetWidth(), s.Right - s.Left);
}

void TUMLShapeBlock::BuildOutline(TOutlineSink& AOutline) {
  const TSquare s = FKind->Source;
  const double midY = (s.Top + s.Bottom) / 2;
  switch (FKind->OutlineKind) {
    case uokActionState:
      RoundedOutline(AOutline, s, GetWidth(), GetHeight(), std::fabs(GetHeight()));
      return;
    case uokState:
      RoundedOutline(AOutline, s, GetWidth(), GetHeight(), std::min(std::fabs(GetHeight()), std::fabs(GetWidth())) / 2);
      return;
    case uokReceipt: {
      const double n = std::min(NotchDepth(), s.Right - s.Left);
      const std::array<TDot, 5> flag{
          {{s.Left, s.Top}, {s.Right, s.Top}, {s.Right - n, midY}, {s.Right, s.Bottom}, {s.Left, s.Bottom}}};
      AOutline.Polygon(flag);
      return;
    }
    case uokSend: {
      const double n = std::min(NotchDepth(), s.Right - s.Left);
      const std::array<TDot, 5> pentagon{
          {{s.Left, s.Top}, {s.Right - n, s.Top}, {s.Right, midY}, {s.Right - n, s.Bottom}, {s.Left, s.Bottom}}};
      AOutline.Polygon(pentagon);
      return;
    }
    case uokFinalState:
      // The ring twice and the disc once: the even-odd fill leaves the ring's inside
      // empty and fills the disc, and all three are stroked.
      AOutline.Ellipse(s);
      AOutline.Ellipse(s);
      AOutline.Ellipse(TSquare{s.Left + 4, s.Top + 4, s.Right - 4, s.Bottom - 4});
      return;
    case uokFigures:
      for (const TUMLFigure& f : FKind->Figures) AddFigure(AOutline, f);
      return;
  }
}

void TUMLShapeBlock::BuildHitOutline(TOutlineSink& AOutline) {
  if (FUseSurroundRect)
    AOutline.Rectangle(FKind->Source);
  else if (FKind->OutlineKind == uokFinalState)
    AOutline.Ellipse(FKind->Source);
  else
    BuildOutline(AOutline);
}

void TUMLShapeBlock::DefaultSurroundPts(TDotArray& Pts) {
  Pts.clear();
  // An engine-drawn block hit-tests its outline path (BuildOutlinePath) instead.
  if (HasDgrDrawer()) return;
  TPolygonOutline outline(Pts, GetOriginalRect(), GetBoundsRect(), GetHorizontalFlip(), GetVerticalFlip());
  BuildHitOutline(outline);
  outline.Finish(GetAngle());
}

void TUMLShapeBlock::BuildOutlinePath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  TPathOutline outline(*APath, *ADrawer);
  BuildHitOutline(outline);
  outline.Finish();
}

TDot TUMLShapeBlock::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  // A receipt's right point sits in its notch, which follows the block's height.
  if (!ALinkPoint || FKind->OutlineKind != uokReceipt || ALinkPoint->GetOrientation() != aoRight)
    return TUMLBlock::GetLinkPointPoint(ALinkPoint);
  const TSquare s = FKind->Source;
  TDot p{s.Right - std::min(NotchDepth(), s.Right - s.Left), (s.Top + s.Bottom) / 2};
  if (GetHorizontalFlip()) p.X = s.Left + s.Right - p.X;
  if (GetVerticalFlip()) p.Y = s.Top + s.Bottom - p.Y;
  TBlockDrawer d;
  d.SetOriginalRect(s);
  d.SetCurRect(GetBoundsRect());
  d.SetAngle(GetAngle());
  d.SetRotationType(rtCurRectCenter);
  return d.RotX(d.PP(p));
}

}  // namespace tarnwick
