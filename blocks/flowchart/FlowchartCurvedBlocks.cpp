// The flowchart kinds with curved outlines: terminal, document and database. Curves are
// flattened here in the original rectangle, exactly on the rectangle's edges, so the
// outline meets the link points and the bounds on every back end.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "blocks/flowchart/FlowchartBlocks.h"

namespace tarnwick {

namespace {

// Enough for a smooth curve on a block filling the screen, few enough for hit tests on
// every mouse move.
constexpr int StepsPerQuarter = 16;

// Appends the arc of the ellipse inscribed in R from AFrom to ATo degrees (clockwise on the
// screen, 0 at the right), both ends included.
void AddArc(TDotArray& APts, const TSquare& R, double AFrom, double ATo) {
  const double cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const double rx = (R.Right - R.Left) / 2, ry = (R.Bottom - R.Top) / 2;
  const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(ATo - AFrom) / 90 * StepsPerQuarter)));
  for (int i = 0; i <= steps; ++i) {
    const double t = (AFrom + (ATo - AFrom) * i / steps) * std::numbers::pi / 180;
    APts.push_back(TDot{cx + rx * std::cos(t), cy + ry * std::sin(t)});
  }
}

// How many original units one diagram unit is along an axis of ASize diagram units and
// ASpan original units; 0 for a block without extent there.
double UnitsPer(double ASize, double ASpan) { return ASize != 0 ? ASpan / std::fabs(ASize) : 0; }

void SetPercentCells(TCustomDiagramBlock& B, double ATop) { B.DefaultTextCell()->SetBounds(0, ATop, 100, 100 - ATop); }

constexpr std::array<TFlowLinkPoint, 4> DocumentLinkPoints{
    {{aoUp, {50, 0}}, {aoLeft, {0, 45}}, {aoRight, {100, 45}}, {aoDown, {50, 90}}}};
const TFlowchartKind DocumentKind{{}, DocumentLinkPoints};

}  // namespace

// ---- Terminal ----

const TClassInfo& TFlowTerminalBlock::StaticClassInfo() {
  static const TClassInfo info("TFlowTerminalBlock", &TFlowchartBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TFlowTerminalBlock>(owner); });
  return info;
}

TFlowTerminalBlock::TFlowTerminalBlock(TComponent* AOwner) : TFlowchartBlock(AOwner) {}

void TFlowTerminalBlock::BuildOutline(TOutlineSink& AOutline) {
  // The corner ellipse is m x m diagram units with m the shorter side: the short sides
  // become half circles, a square becomes a circle.
  const double m = std::min(std::fabs(GetWidth()), std::fabs(GetHeight()));
  const double rx = m / 2 * UnitsPer(GetWidth(), 100), ry = m / 2 * UnitsPer(GetHeight(), 100);
  thread_local TDotArray pts;
  pts.clear();
  AddArc(pts, TSquare{0, 0, 2 * rx, 2 * ry}, 180, 270);
  AddArc(pts, TSquare{100 - 2 * rx, 0, 100, 2 * ry}, 270, 360);
  AddArc(pts, TSquare{100 - 2 * rx, 100 - 2 * ry, 100, 100}, 0, 90);
  AddArc(pts, TSquare{0, 100 - 2 * ry, 2 * rx, 100}, 90, 180);
  AOutline.Polygon(pts);
}

// ---- Document ----

const TClassInfo& TFlowDocumentBlock::StaticClassInfo() {
  static const TClassInfo info("TFlowDocumentBlock", &TFlowchartBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TFlowDocumentBlock>(owner); });
  return info;
}

TFlowDocumentBlock::TFlowDocumentBlock(TComponent* AOwner) : TFlowchartBlock(AOwner, DocumentKind) {}

void TFlowDocumentBlock::BuildOutline(TOutlineSink& AOutline) {
  // The bottom edge is one cubic curve through (50, 90): its left half sags, its right half
  // rises, by an amount that follows the shorter side so a long sheet does not wave more.
  const double m = std::min(std::fabs(GetWidth()), std::fabs(GetHeight()));
  const double k = 0.4 * m * UnitsPer(GetHeight(), 100);
  constexpr double yb = 90;
  const TDot p0{0, yb}, c1{50, yb + k}, c2{50, yb - k}, p3{100, yb};
  thread_local TDotArray pts;
  pts.clear();
  constexpr int steps = 4 * StepsPerQuarter;
  for (int i = 0; i <= steps; ++i) {
    const double t = double(i) / steps, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    pts.push_back(TDot{a * p0.X + b * c1.X + c * c2.X + d * p3.X, a * p0.Y + b * c1.Y + c * c2.Y + d * p3.Y});
  }
  pts.push_back(TDot{100, 0});
  pts.push_back(TDot{0, 0});
  AOutline.Polygon(pts);
}

// ---- Database ----

const TClassInfo& TDatabaseBlock::StaticClassInfo() {
  static const TClassInfo info("TDatabaseBlock", &TFlowchartBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDatabaseBlock>(owner); });
  return info;
}

TDatabaseBlock::TDatabaseBlock(TComponent* AOwner) : TFlowchartBlock(AOwner) {
  SetWidth(50);
  SetHeight(50);
  // The text stays below the lid.
  SetPercentCells(*this, 20);
}

void TDatabaseBlock::BuildOutline(TOutlineSink& AOutline) {
  const TSquare lid{0, 0, 100, 20}, base{0, 80, 100, 100};
  thread_local TDotArray pts;
  pts.clear();
  // The body: the lid's upper half, the right side, the base's lower half, the left side.
  AddArc(pts, lid, 180, 360);
  pts.push_back(TDot{100, 90});
  AddArc(pts, base, 0, 180);
  pts.push_back(TDot{0, 10});
  AOutline.Polygon(pts);
  // The lid's front rim as a figure without area: walked there and back it is stroked
  // like the outline but fills nothing and leaves the hit test unchanged.
  pts.clear();
  AddArc(pts, lid, 0, 180);
  AddArc(pts, lid, 180, 0);
  AOutline.Polygon(pts);
}

}  // namespace tarnwick
