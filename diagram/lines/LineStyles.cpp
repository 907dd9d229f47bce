// How each line style keeps its handles (CalcHandles) and turns them into the painted
// polyline (CalcPoints): straight lines, side lines through the router, arcs through
// three handles and Bezier curves with two control handles.
#include "diagram/lines/CustomLine.h"
#include "diagram/lines/SideLineRouter.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Angles.h"
#include "geometry/Conversions.h"
#include "geometry/Curves.h"
#include "geometry/Predicates.h"
#include "geometry/Vectors.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {

// Brings the collection to ACount handles, adding at (0, 0) and removing from the end.
void FitHandleCount(TStretchHandles* H, int ACount) {
  while (H->Count() < ACount) H->Add(0, 0, crSizeNWSE, 0, hsSize);
  while (H->Count() > ACount) H->Delete(H->Count() - 1);
}

// Lays the handles onto the given positions, keeping the identity of both end handles
// (the diagram may be dragging one of them); inner handles carry no data.
void LayHandles(TStretchHandles* H, const TDotArray& P) {
  const int n = static_cast<int>(P.size());
  while (H->Count() < n) H->Add(0, 0, crSizeNWSE, 0, hsSize)->SetIndex(H->Count() > 1 ? H->Count() - 2 : 0);
  while (H->Count() > n) H->Delete(H->Count() - 2);
  for (int k = 0; k < n; ++k) {
    TStretchHandle* h = H->GetItems(k);
    h->SetOrPoint(P[static_cast<size_t>(k)]);
    if (k > 0 && k < n - 1) h->SetData(0);
  }
}

TDotArray HandlePoints(const TStretchHandles* H) {
  TDotArray pts;
  for (int i = 0; i < H->Count(); ++i) pts.push_back(H->GetItems(i)->GetOrPoint());
  return pts;
}

// Following ends that did not move maps the inner handles by the identity; skipping it
// keeps them exact, so a document read back does not drift in the last digit.
bool EndsUnchanged(const TStretchHandle* AFirst, const TStretchHandle* ALast, TDot P1, TDot P2) {
  return AFirst->GetOrPoint() == P1 && ALast->GetOrPoint() == P2;
}

int DraggedIndex(const TLineHandlesInfo& AInfo) {
  return AInfo.Mode == lhmHandle && AInfo.Handle ? AInfo.Handle->GetIndex() : -1;
}

// Runs AWork inside an update bracket of the collection, so its owner hears once.
template <class F>
void Bracket(TStretchHandles* H, F&& AWork) {
  const TUpdateScope update(H);
  AWork();
}

}  // namespace

void TCustomDiagramLine::CalcHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) {
  if (!AHandles) return;
  switch (FLineStyle) {
    case lsSideLine:
      CalcSideLineHandles(AHandles, AInfo);
      break;
    case lsParabolicArc:
    case lsCircularArc:
      CalcArcHandles(AHandles, AInfo);
      break;
    case lsBezier:
      CalcBezierHandles(AHandles, AInfo);
      break;
    default:
      CalcLineHandles(AHandles, AInfo);
      break;
  }
}

void TCustomDiagramLine::CalcPoints(TStretchHandles* AHandles) {
  if (!AHandles) return;
  switch (FLineStyle) {
    case lsSideLine:
      CalcSideLinePoints(AHandles);
      break;
    case lsParabolicArc:
    case lsCircularArc:
      CalcArcPoints(AHandles);
      break;
    case lsBezier:
      CalcBezierPoints(AHandles);
      break;
    default:
      FPoints = HandlePoints(AHandles);
      break;
  }
}

// ---- Straight lines ----

void TCustomDiagramLine::CalcLineHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) {
  Bracket(AHandles, [&] {
    AHandles->Clear();
    AHandles->Add(AInfo.P1.X, AInfo.P1.Y, crSizeNWSE, 0, hsSize);
    AHandles->Add(AInfo.P2.X, AInfo.P2.Y, crSizeNWSE, 0, hsSize);
  });
}

// ---- Side lines ----

void TCustomDiagramLine::CalcSideLineHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) {
  RefreshOrientations();
  TSideLineMemory memory;
  // The line's own handles are the previous route, whichever collection is being filled.
  memory.Handles = HandlePoints(GetHandles());
  TDiagramHost* host = GetDiagramHost();
  memory.Fixed = host && host->GetFixedSideLines();
  memory.DraggedIndex = DraggedIndex(AInfo);
  memory.Delta = AInfo.Delta;
  memory.MinLen = FMinSideLineSegmentLength;
  const TAnchorOrientation dir1 = AInfo.LinkPoint1 ? AInfo.LinkPoint1->GetRealOrientation() : FOrientation1;
  const TAnchorOrientation dir2 = AInfo.LinkPoint2 ? AInfo.LinkPoint2->GetRealOrientation() : FOrientation2;
  const TSideLineRoute route = RouteSideLine(AInfo.P1, dir1, AInfo.P2, dir2, memory);
  Bracket(AHandles, [&] {
    LayHandles(AHandles, route.Handles);
    AHandles->GetItems(0)->SetData(route.FirstData);
    AHandles->GetItems(AHandles->Count() - 1)->SetData(route.LastData);
  });
}

void TCustomDiagramLine::CalcSideLinePoints(TStretchHandles* AHandles) {
  const TDotArray handles = HandlePoints(AHandles);
  TAnchorOrientation first = FOrientation1;
  if (!handles.empty() && AHandles->GetItems(0)->GetData() != 0)
    first = static_cast<TAnchorOrientation>(AHandles->GetItems(0)->GetData());
  FPoints = SideLineCorners(handles, first);
}

void TCustomDiagramLine::RefreshOrientations() {
  TStretchHandles* h = GetHandles();
  if (!h || h->Count() == 0) return;
  // An end never routed since the line was made or loaded has no leg axis yet; the
  // orientation written to the property (or read from the document) seeds its first route.
  const int first = h->GetItems(0)->GetData(), last = h->GetItems(h->Count() - 1)->GetData();
  if (first != 0) FOrientation1 = static_cast<TAnchorOrientation>(first);
  if (last != 0) FOrientation2 = static_cast<TAnchorOrientation>(last);
}

// ---- Arcs ----

void TCustomDiagramLine::CalcArcHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) {
  Bracket(AHandles, [&] {
    FitHandleCount(AHandles, 3);
    TStretchHandle* h0 = AHandles->GetItems(0);
    TStretchHandle* h1 = AHandles->GetItems(1);
    TStretchHandle* h2 = AHandles->GetItems(2);
    const TDot p1 = AInfo.P1, p2 = AInfo.P2, mid = MidDot(p1, p2);
    // The middle handle's signed distance from the old chord, before anything moves.
    const double d = SignedLineDistance(h0->GetOrPoint(), h2->GetOrPoint(), h1->GetOrPoint());
    const bool parabolic = FLineStyle == lsParabolicArc;
    const int dragged = DraggedIndex(AInfo);
    if (AInfo.Mode == lhmRecalc || AInfo.Mode == lhmInsert) {
      h1->SetOrPoint(PerpendicularOffset(p1, p2, mid, DotDistance(p1, p2) / 4));
    } else if (dragged == 1) {
      // A parabola's middle handle only sets the bulge; a circle's follows the mouse.
      const TDot v = AddDots(h1->GetOrPoint(), AInfo.Delta);
      h1->SetOrPoint(parabolic ? PerpendicularOffset(p1, p2, mid, SignedLineDistance(p1, p2, v)) : v);
    } else if (FRecalcIntermediateArcHandles && !EndsUnchanged(h0, h2, p1, p2)) {
      h1->SetOrPoint(parabolic ? PerpendicularOffset(p1, p2, mid, d)
                               : MapDotBySegments(h1->GetOrPoint(), h0->GetOrPoint(), h2->GetOrPoint(), p1, p2));
    }
    h0->SetOrPoint(p1);
    h2->SetOrPoint(p2);
  });
}

void TCustomDiagramLine::CalcArcPoints(TStretchHandles* AHandles) {
  if (AHandles->Count() < 3) return;
  const TDot h0 = AHandles->GetItems(0)->GetOrPoint(), h1 = AHandles->GetItems(1)->GetOrPoint(),
             h2 = AHandles->GetItems(2)->GetOrPoint();
  if (PointNearPoint(DotToPoint(h0), DotToPoint(h2), 5)) {
    FPoints = {h0, h1, h2};
    return;
  }
  TDotArray pts;
  if (FLineStyle == lsParabolicArc)
    ParabolaThrough3Points(pts, h0.X, h0.Y, h2.X, h2.Y, h1.X, h1.Y);
  else
    ArcThrough3Points(pts, h0.X, h0.Y, h2.X, h2.Y, h1.X, h1.Y);
  FPoints = std::move(pts);
}

// ---- Bezier curves ----

void TCustomDiagramLine::CalcBezierHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) {
  Bracket(AHandles, [&] {
    FitHandleCount(AHandles, 4);
    TStretchHandle* h0 = AHandles->GetItems(0);
    TStretchHandle* h3 = AHandles->GetItems(3);
    const TDot p1 = AInfo.P1, p2 = AInfo.P2;
    const int dragged = DraggedIndex(AInfo);
    if (AInfo.Mode == lhmRecalc || AInfo.Mode == lhmInsert) {
      // In the frame where the chord runs from (0, 0) to (100, 0): a fifth of the chord
      // to the left at the start and to the right at the end.
      AHandles->GetItems(1)->SetOrPoint(MapDotBySegments(TDot{0, -20}, TDot{0, 0}, TDot{100, 0}, p1, p2));
      AHandles->GetItems(2)->SetOrPoint(MapDotBySegments(TDot{100, 20}, TDot{0, 0}, TDot{100, 0}, p1, p2));
    } else if (dragged == 1 || dragged == 2) {
      TStretchHandle* h = AHandles->GetItems(dragged);
      h->SetOrPoint(AddDots(h->GetOrPoint(), AInfo.Delta));
    } else if (!EndsUnchanged(h0, h3, p1, p2)) {
      const TDot o0 = h0->GetOrPoint(), o3 = h3->GetOrPoint();
      for (int k = 1; k <= 2; ++k) {
        TStretchHandle* h = AHandles->GetItems(k);
        h->SetOrPoint(MapDotBySegments(h->GetOrPoint(), o0, o3, p1, p2));
      }
    }
    h0->SetOrPoint(p1);
    h3->SetOrPoint(p2);
  });
}

void TCustomDiagramLine::CalcBezierPoints(TStretchHandles* AHandles) {
  if (AHandles->Count() < 4) return;
  const TDot q0 = AHandles->GetItems(0)->GetOrPoint(), q1 = AHandles->GetItems(1)->GetOrPoint(),
             q2 = AHandles->GetItems(2)->GetOrPoint(), q3 = AHandles->GetItems(3)->GetOrPoint();
  TDotArray pts;
  HermiteCurvePoints(pts, q0.X, q0.Y, q1.X, q1.Y, q2.X, q2.Y, q3.X, q3.Y, 10);
  FPoints = std::move(pts);
}

}  // namespace tarnwick
