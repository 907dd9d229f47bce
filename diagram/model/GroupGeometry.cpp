// How a group carries its members: proportional scaling from the old group rectangle to
// the new one in the group's own (unturned) frame, turning about the group's centre, the
// rectangle derived from the members, and the same mappings applied to drag previews.
#include <cmath>
#include <numbers>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/BaseGroupBlock.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "geometry/Vectors.h"

namespace tarnwick {

namespace {

// R moved (not turned) so that its centre follows the turn.
TSquare TurnByCenter(const TSquare& R, TDot C, double ADegrees) {
  const TDot m = SquareCenter(R);
  return OffsetSquare(R, SubDots(TurnDot(m, C, ADegrees), m));
}

double Width(const TSquare& R) { return R.Right - R.Left; }
double Height(const TSquare& R) { return R.Bottom - R.Top; }

// The proportional map of the unturned group rectangle G0 onto G1. An axis on which G0
// has no extent cannot be scaled: there the members only follow the group's centre.
struct TGroupMap {
  TSquare G0, G1;
  double Angle;
  double MapX(double X) const {
    if (Width(G0) == 0.0) return X + SquareCenter(G1).X - SquareCenter(G0).X;
    return G1.Left + (X - G0.Left) * Width(G1) / Width(G0);
  }
  double MapY(double Y) const {
    if (Height(G0) == 0.0) return Y + SquareCenter(G1).Y - SquareCenter(G0).Y;
    return G1.Top + (Y - G0.Top) * Height(G1) / Height(G0);
  }
  TDot MapPoint(TDot P) const {
    const TDot u = TurnDot(P, SquareCenter(G0), -Angle);
    return TurnDot(TDot{MapX(u.X), MapY(u.Y)}, SquareCenter(G1), Angle);
  }
  // A member block's rectangle M, kept to its permissions.
  TSquare MapBlock(const TSquare& M, const TCustomDiagramBlock& B) const {
    const TSquare m = TurnByCenter(M, SquareCenter(G0), -Angle);
    TSquare r{MapX(m.Left), MapY(m.Top), MapX(m.Right), MapY(m.Bottom)};
    if (!B.CanResize()) {
      const TDot c = SquareCenter(r);
      r = TSquare{c.X - Width(m) / 2, c.Y - Height(m) / 2, c.X + Width(m) / 2, c.Y + Height(m) / 2};
    }
    if (!B.CanMove()) r = OffsetSquare(r, SubDots(SquareCenter(m), SquareCenter(r)));
    if (B.GetRestrictions().Contains(crKeepRatio)) r = KeepAspectSquare(r, m);
    return TurnByCenter(r, SquareCenter(G1), Angle);
  }
};

// The handles of a line that carry its shape: a style that derives its inner handles from
// the ends is moved by its ends (and, for arcs, the handle that bends it).
std::vector<int> CarriedHandles(const TCustomDiagramLine& ALine) {
  const int n = ALine.GetHandles() ? ALine.GetHandles()->Count() : 0;
  std::vector<int> result;
  if (n == 0) return result;
  switch (ALine.GetLineStyle()) {
    case lsSideLine:
      result = {0};
      break;
    case lsParabolicArc:
    case lsCircularArc:
      result = {0};
      if (n > 2) result.push_back(1);
      break;
    default:
      for (int i = 0; i + 1 < n; ++i) result.push_back(i);
      break;
  }
  if (n > 1) result.push_back(n - 1);
  return result;
}

// Moves the given handles of a line to their mapped places through the line's own handle
// step. An anchored end stays on its anchor, which moves with its own control.
template <class F>
void MoveLineHandles(TCustomDiagramLine& ALine, F AMap) {
  const std::vector<int> indices = CarriedHandles(ALine);
  std::vector<TDot> deltas;
  for (int i : indices) {
    const TDot p = ALine.GetHandles()->GetItems(i)->GetOrPoint();
    deltas.push_back(SubDots(AMap(p), p));
  }
  const int last = ALine.GetHandles()->Count() - 1;
  for (size_t k = 0; k < indices.size(); ++k) {
    TStretchHandles* handles = ALine.GetHandles();
    if (indices[k] >= handles->Count()) continue;
    THandleMoveInfo info;
    info.AHandle = handles->GetItems(indices[k]);
    info.Action = haMoved;
    info.Delta = deltas[k];
    if (indices[k] == 0 || indices[k] == last) {
      TLinkPoint* end = indices[k] == 0 ? ALine.GetSourceLinkPoint() : ALine.GetTargetLinkPoint();
      info.AnchorPoint = end ? end->GetAnchorLink() : nullptr;
      info.DControl = info.AnchorPoint ? info.AnchorPoint->GetDControl() : nullptr;
    }
    ALine.UpdateHandleMove(info);
  }
}

// Holds a member's anchor notifications back while the group carries it.
class TQuietMember {
 public:
  explicit TQuietMember(TDiagramControl* AControl) : FControl(AControl) { FControl->BeginAnchorNotifySuppression(); }
  ~TQuietMember() { FControl->EndAnchorNotifySuppression(); }
  TQuietMember(const TQuietMember&) = delete;
  TQuietMember& operator=(const TQuietMember&) = delete;

 private:
  TDiagramControl* FControl;
};

}  // namespace

void TBaseGroupBlock::ScaleMembers(const TSquare& G0, const TSquare& G1) {
  const TGroupMap map{G0, G1, GetAngle()};
  for (int i = 0; i < FMembers->Count(); ++i) {
    TDiagramControl* c = FMembers->GetItems(i)->GetDControl();
    if (!c) continue;
    TQuietMember quiet(c);
    if (auto* block = dynamic_cast<TCustomDiagramBlock*>(c))
      block->SetBoundsRect(map.MapBlock(block->GetBoundsRect(), *block));
    else if (auto* line = dynamic_cast<TCustomDiagramLine*>(c))
      MoveLineHandles(*line, [&](TDot p) { return map.MapPoint(p); });
  }
}

void TBaseGroupBlock::RotateMembers(double ADelta) {
  if (ADelta == 0.0) return;
  const TDot centre = SquareCenter(GetBoundsRect());
  const bool turnMembers = CanRotate();
  for (int i = 0; i < FMembers->Count(); ++i) {
    TDiagramControl* c = FMembers->GetItems(i)->GetDControl();
    if (!c) continue;
    if (auto* block = dynamic_cast<TCustomDiagramBlock*>(c)) {
      const double angle = block->GetAngle() + (turnMembers ? ADelta : 0.0);
      block->SetBoundsRect(TurnByCenter(block->GetBoundsRect(), centre, ADelta));
      block->SetAngle(angle);
    } else if (auto* line = dynamic_cast<TCustomDiagramLine*>(c)) {
      MoveLineHandles(*line, [&](TDot p) { return TurnDot(p, centre, ADelta); });
    }
  }
}

void TBaseGroupBlock::RecalculateRect() {
  // Walks up through the groups above; a chain longer than any real nesting means a
  // damaged tree, and the walk stops.
  TBaseGroupBlock* group = this;
  for (int depth = 0; group && depth < 1000; ++depth) {
    if (group->IsLoading()) return;
    TDotArray pts;
    const TGroupMemberList* members = group->GetMembers();
    for (int i = 0; members && i < members->Count(); ++i) {
      TDiagramControl* c = members->GetItems(i)->GetDControl();
      if (!c) continue;
      if (auto* line = dynamic_cast<TCustomDiagramLine*>(c)) {
        pts.insert(pts.end(), line->GetPoints().begin(), line->GetPoints().end());
        continue;
      }
      const TSquare r = c->ControlRect();
      auto* block = dynamic_cast<TCustomDiagramBlock*>(c);
      const TDot centre = SquareCenter(block ? block->GetBoundsRect() : r);
      const double a = c->GetAngle();
      for (TDot p : {TDot{r.Left, r.Top}, TDot{r.Right, r.Bottom}, TDot{r.Right, r.Top}, TDot{r.Left, r.Bottom}})
        pts.push_back(TurnDot(p, centre, a));
    }
    // An empty group keeps its rectangle.
    if (pts.empty()) return;
    // From the first point, so members at negative coordinates are enclosed.
    const TSquare box = TurnedFrameBounds(std::move(pts), group->GetAngle());
    if (SameSquare(box, group->GetBoundsRect())) return;
    group->SetBoundsQuietly(box);
    group = dynamic_cast<TBaseGroupBlock*>(group->GetGroupBlock());
  }
}

void TBaseGroupBlock::PositionMemberCursors(const TSquare& G0, double A0, const TSquare& G1, double A1) {
  const TGroupMap map{G0, G1, A0};
  const double turn = A1 - A0;
  const TDot centre = SquareCenter(G1);
  const bool turnMembers = CanRotate();
  std::vector<TDiagramControl*> all;
  CollectMembers(all);
  for (TDiagramControl* c : all) {
    auto* block = dynamic_cast<TCustomDiagramBlock*>(c);
    if (!block) continue;
    // Every member starts from its real geometry, then takes the group's step.
    TSquare r = map.MapBlock(block->GetBoundsRect(), *block);
    r = TurnByCenter(r, centre, turn);
    block->SetCursorGeometry(r, block->GetAngle() + (turnMembers ? turn : 0.0), block->GetRotationCenter());
  }
}

}  // namespace tarnwick
