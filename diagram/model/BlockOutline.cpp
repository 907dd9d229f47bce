#include "diagram/model/BlockOutline.h"

#include <algorithm>
#include <array>

#include "geometry/BlockDrawer.h"
#include "geometry/Curves.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrPath.h"

namespace tarnwick {

namespace {

// Scratch arrays for the figures: outlines are built on every paint and every hit test, and
// a kept array of the largest outline seen so far makes that free of allocations. Painting
// and hit testing run on the GUI thread; thread_local keeps other threads apart anyway.
TDotArray& ScratchA() {
  thread_local TDotArray pts;
  return pts;
}
TDotArray& ScratchB() {
  thread_local TDotArray pts;
  return pts;
}

TDot Mirror(TDot P, const TSquare& O, bool H, bool V) {
  if (H) P.X = O.Left + O.Right - P.X;
  if (V) P.Y = O.Top + O.Bottom - P.Y;
  return P;
}

// A figure mirrored inside the original rectangle; one covering all of it stays as it is.
TSquare Mirror(const TSquare& R, const TSquare& O, bool H, bool V) {
  if ((!H && !V) || SameSquare(R, O)) return R;
  const TDot a = Mirror(R.TopLeft(), O, H, V), b = Mirror(R.BottomRight(), O, H, V);
  return TSquare{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

double Width(const TSquare& R) { return R.Right - R.Left; }
double Height(const TSquare& R) { return R.Bottom - R.Top; }

// ---- The built-in shapes ----

void RectangleShape(TOutlineSink& S, const TSquare& O, double) { S.Rectangle(O); }

void EllipseShape(TOutlineSink& S, const TSquare& O, double) { S.Ellipse(O); }

void RoundRectShape(TOutlineSink& S, const TSquare& O, double) { S.RoundRect(O, Width(O) / 4, Height(O) / 4); }

void DiamondShape(TOutlineSink& S, const TSquare& O, double) {
  const double mx = (O.Left + O.Right) / 2, my = (O.Top + O.Bottom) / 2;
  const std::array<TDot, 4> pts{TDot{O.Left, my}, TDot{mx, O.Top}, TDot{O.Right, my}, TDot{mx, O.Bottom}};
  S.Polygon(pts);
}

void SquareRoundShape(TOutlineSink& S, const TSquare& O, double ACornerRadius) { S.FixedRoundRect(O, ACornerRadius); }

using TShapeBuilder = void (*)(TOutlineSink&, const TSquare&, double);

// Indexed by TBlockShape; bsNoShape has no outline.
constexpr std::array<TShapeBuilder, 6> ShapeBuilders{nullptr,      &RectangleShape, &EllipseShape, &RoundRectShape,
                                                     &DiamondShape, &SquareRoundShape};

}  // namespace

void BuildShapeOutline(TBlockShape AShape, TOutlineSink& AOutline, const TSquare& AOriginal, double ACornerRadius) {
  const auto i = static_cast<size_t>(AShape);
  if (i < ShapeBuilders.size() && ShapeBuilders[i]) ShapeBuilders[i](AOutline, AOriginal, ACornerRadius);
}

// ---- Legacy canvas ----

TCanvasOutline::TCanvasOutline(TBlockDrawer& ADrawer, const TSquare& AOriginal, double AUnitsX, double AUnitsY,
                               bool AFlipH, bool AFlipV)
    : FDrawer(ADrawer), FOriginal(AOriginal), FUnitsX(AUnitsX), FUnitsY(AUnitsY), FFlipH(AFlipH), FFlipV(AFlipV) {}

void TCanvasOutline::Rectangle(const TSquare& AR) {
  const TSquare R = Mirror(AR, FOriginal, FFlipH, FFlipV);
  FDrawer.AutoRotRect(R.Left, R.Top, R.Right, R.Bottom);
}

void TCanvasOutline::Ellipse(const TSquare& AR) {
  const TSquare R = Mirror(AR, FOriginal, FFlipH, FFlipV);
  FDrawer.AutoEllipse(R.Left, R.Top, R.Right, R.Bottom);
}

void TCanvasOutline::RoundRect(const TSquare& AR, double CW, double CH) {
  const TSquare R = Mirror(AR, FOriginal, FFlipH, FFlipV);
  FDrawer.AutoRoundRect(R.Left, R.Top, R.Right, R.Bottom, CW, CH);
}

void TCanvasOutline::FixedRoundRect(const TSquare& AR, double ACorner) {
  const TSquare R = Mirror(AR, FOriginal, FFlipH, FFlipV);
  if (ACorner > 0)
    FDrawer.AutoRoundRect(R.Left, R.Top, R.Right, R.Bottom, ACorner * FUnitsX, ACorner * FUnitsY);
  else
    FDrawer.AutoRoundRect(R.Left, R.Top, R.Right, R.Bottom, Width(R) / 2, Height(R) / 2);
}

void TCanvasOutline::Polygon(std::span<const TDot> APoints) {
  if (APoints.empty()) return;
  TDotArray& pts = ScratchA();
  pts.clear();
  for (TDot p : APoints) pts.push_back(FDrawer.PP(Mirror(p, FOriginal, FFlipH, FFlipV)));
  pts.push_back(pts.front());
  FDrawer.DrawRotPoly(pts);
}

// ---- Engines ----

TPathOutline::TPathOutline(TDgrGraphicsPath& APath, TDgrBlockDrawer& ADrawer) : FPath(APath), FDrawer(ADrawer) {}

void TPathOutline::Rectangle(const TSquare& R) { FPath.AddRectangle(R); }

void TPathOutline::Ellipse(const TSquare& R) { FPath.AddEllipse(R.Left, R.Top, Width(R), Height(R)); }

void TPathOutline::RoundRect(const TSquare& R, double CW, double CH) {
  FPath.StartFigure();
  FPath.AddRoundRect(R.Left, R.Top, R.Right, R.Bottom, CW, CH);
  FPath.CloseFigure(true);
}

void TPathOutline::FixedRoundRect(const TSquare& R, double ACorner) {
  // Laid on the destination in diagram units, so the corners are not stretched with the
  // block; the whole outline is then only turned.
  const TSquare s = FDrawer.GetSourceRect(), d0 = FDrawer.GetDestRect();
  TSquare d = d0;
  if (!SameSquare(R, s) && Width(s) != 0 && Height(s) != 0) {
    const double kx = Width(d0) / Width(s), ky = Height(d0) / Height(s);
    d = TSquare{d0.Left + (R.Left - s.Left) * kx, d0.Top + (R.Top - s.Top) * ky, d0.Left + (R.Right - s.Left) * kx,
                d0.Top + (R.Bottom - s.Top) * ky};
  }
  const double w = Width(d), h = Height(d);
  const double corner = ACorner > 0 && ACorner < std::min(w, h) ? ACorner : h / 2;
  FDrawer.GetCanvas()->AddRoundRectPath(&FPath, d.Left, d.Top, d.Right, d.Bottom, corner, corner);
  FOnDestination = true;
}

void TPathOutline::Polygon(std::span<const TDot> APoints) {
  TDotArray& pts = ScratchA();
  pts.assign(APoints.begin(), APoints.end());
  FPath.AddPolygon(pts);
}

void TPathOutline::Finish() {
  if (FOnDestination)
    FDrawer.RotatePath(&FPath);
  else
    FDrawer.TransformPath(&FPath);
}

// ---- Polygons in diagram units ----

TPolygonOutline::TPolygonOutline(TDotArray& APts, const TSquare& AOriginal, const TSquare& ABounds, bool AFlipH,
                                 bool AFlipV)
    : FPts(APts), FOriginal(AOriginal), FBounds(ABounds), FFlipH(AFlipH), FFlipV(AFlipV) {
  FPts.clear();
}

TDot TPolygonOutline::ToBounds(TDot P) const {
  const double ow = Width(FOriginal), oh = Height(FOriginal);
  const double x = ow != 0 ? FBounds.Left + (P.X - FOriginal.Left) / ow * Width(FBounds) : FBounds.Left;
  const double y = oh != 0 ? FBounds.Top + (P.Y - FOriginal.Top) / oh * Height(FBounds) : FBounds.Top;
  return TDot{x, y};
}

TSquare TPolygonOutline::ToBounds(const TSquare& AR) const {
  // The whole original rectangle is the bounds exactly, without rounding on the way.
  if (SameSquare(AR, FOriginal)) return FBounds;
  const TSquare R = Mirror(AR, FOriginal, FFlipH, FFlipV);
  const TDot a = ToBounds(R.TopLeft()), b = ToBounds(R.BottomRight());
  return TSquare{a.X, a.Y, b.X, b.Y};
}

TDotArray& TPolygonOutline::Part() { return FPts.empty() ? FPts : ScratchB(); }

void TPolygonOutline::Append(const TDotArray& APart) {
  // The first figure was written in place.
  if (&APart != &FPts) FPts.insert(FPts.end(), APart.begin(), APart.end());
}

void TPolygonOutline::Rectangle(const TSquare& R) {
  const TSquare B = ToBounds(R);
  const std::array<TDot, 5> pts{TDot{B.Left, B.Top}, TDot{B.Right, B.Top}, TDot{B.Right, B.Bottom},
                                TDot{B.Left, B.Bottom}, TDot{B.Left, B.Top}};
  FPts.insert(FPts.end(), pts.begin(), pts.end());
}

void TPolygonOutline::Ellipse(const TSquare& R) {
  const TSquare B = ToBounds(R);
  TDotArray& arc = Part();
  EllipseArcPoints(0, 360, true, B.Left, B.Top, B.Right, B.Bottom, arc);
  Append(arc);
}

void TPolygonOutline::RoundRect(const TSquare& R, double CW, double CH) {
  const TSquare B = ToBounds(R);
  const double kx = Width(FOriginal) != 0 ? Width(FBounds) / Width(FOriginal) : 1;
  const double ky = Height(FOriginal) != 0 ? Height(FBounds) / Height(FOriginal) : 1;
  // The built-in shapes ask for a quarter of the rectangle: taken on the bounds directly,
  // as the canvas scales it.
  const bool quarter = SameSquare(R, FOriginal) && CW == Width(R) / 4 && CH == Height(R) / 4;
  TDotArray& pts = Part();
  RoundRectPoints(B.Left, B.Top, B.Right, B.Bottom, quarter ? Width(B) / 4 : CW * kx, quarter ? Height(B) / 4 : CH * ky,
                  pts);
  Append(pts);
}

void TPolygonOutline::FixedRoundRect(const TSquare& R, double ACorner) {
  const TSquare B = ToBounds(R);
  TDotArray& pts = Part();
  if (ACorner > 0)
    RoundRectPoints(B.Left, B.Top, B.Right, B.Bottom, ACorner, ACorner, pts);
  else
    RoundRectPoints(B.Left, B.Top, B.Right, B.Bottom, Width(B) / 2, Height(B) / 2, pts);
  Append(pts);
}

void TPolygonOutline::Polygon(std::span<const TDot> APoints) {
  if (APoints.empty()) return;
  const size_t first = FPts.size();
  for (TDot p : APoints) FPts.push_back(ToBounds(Mirror(p, FOriginal, FFlipH, FFlipV)));
  FPts.push_back(FPts[first]);
}

void TPolygonOutline::Finish(double AAngle) {
  if (FPts.empty()) Rectangle(FOriginal);
  if (AAngle == 0) return;
  TBlockDrawer d;
  d.SetOriginalRect(FOriginal);
  d.SetCurRect(FBounds);
  d.SetAngle(AAngle);
  d.SetRotationType(rtCurRectCenter);
  for (TDot& p : FPts) p = d.RotX(p);
}

}  // namespace tarnwick
