#include "diagram/lines/SideLineRouter.h"

#include <climits>
#include <cmath>

namespace tarnwick {

namespace {

struct TWalker {
  double X = 0;
  double Y = 0;
  TAnchorOrientation Dir = aoNone;
};

constexpr double Unlimited = INT_MAX;

bool IsHorz(TAnchorOrientation D) { return D == aoHorz || D == aoLeft || D == aoRight; }
bool IsVert(TAnchorOrientation D) { return D == aoVert || D == aoUp || D == aoDown; }
TAnchorOrientation HorzDir(double X) { return X >= 0 ? aoRight : aoLeft; }
TAnchorOrientation VertDir(double Y) { return Y >= 0 ? aoDown : aoUp; }

// The direction A takes toward B. A free end leaves perpendicular to a fixed one.
TAnchorOrientation EffDir(const TWalker& A, const TWalker& B) {
  const double dx = B.X - A.X, dy = B.Y - A.Y;
  switch (A.Dir) {
    case aoHorz:
      return HorzDir(dx);
    case aoVert:
      return VertDir(dy);
    case aoNone:
      if (B.Dir == aoNone) return std::fabs(dy) >= std::fabs(dx) ? VertDir(dy) : HorzDir(dx);
      return IsHorz(B.Dir) ? VertDir(dy) : HorzDir(dx);
    default:
      return A.Dir;
  }
}

// Copies of the pair with both directions made signed.
void Resolve(TWalker& A, TWalker& B) {
  A.Dir = EffDir(A, B);
  B.Dir = EffDir(B, A);
}

// The ends face each other but are offset, so two corners are needed.
bool FacingOffset(const TWalker& A, const TWalker& B) {
  const double dx = B.X - A.X, dy = B.Y - A.Y;
  if (((A.Dir == aoRight && dx > 0 && B.Dir == aoLeft) || (A.Dir == aoLeft && dx < 0 && B.Dir == aoRight)) &&
      A.Y != B.Y)
    return true;
  return ((A.Dir == aoDown && dy > 0 && B.Dir == aoUp) || (A.Dir == aoUp && dy < 0 && B.Dir == aoDown)) && A.X != B.X;
}

bool Toward(TWalker A, TWalker B) {
  Resolve(A, B);
  if (FacingOffset(A, B)) return false;
  const double dx = B.X - A.X, dy = B.Y - A.Y;
  // Unordered comparisons (non-finite input) count as heading toward, so the walk ends.
  switch (A.Dir) {
    case aoRight:
      return !(dx <= 0);
    case aoLeft:
      return !(dx >= 0);
    case aoDown:
      return !(dy <= 0);
    case aoUp:
      return !(dy >= 0);
    default:
      return false;
  }
}

TWalker Corner(TWalker A, TWalker B) {
  Resolve(A, B);
  if (A.Dir == aoUp || A.Dir == aoDown) return TWalker{A.X, B.Y, aoHorz};
  if (A.Dir == aoLeft || A.Dir == aoRight) return TWalker{B.X, A.Y, aoVert};
  return A;
}

// The length of the next leg of walker W (already resolved).
TDot SegmentLength(const TSideLineMemory& M, int Index, bool Neg, const TWalker& W, double MaxLen) {
  const TDotArray& H = M.Handles;
  const int C = static_cast<int>(H.size());
  const double minLen = M.MinLen;
  const int at = std::abs(Index);
  TDot d;
  if (at > 0 && at < C - 1) {
    const int sign = Index > 0 ? 1 : -1;
    int r = at - sign;
    if (r != 0 && r != C - 1) r = at - 2 * sign;
    const TDot h = H[static_cast<size_t>(at)], ref = H[static_cast<size_t>(r)];
    d = M.Fixed ? TDot{h.X - W.X, h.Y - W.Y} : TDot{h.X - ref.X, h.Y - ref.Y};
    if (M.DraggedIndex == at) d = TDot{h.X - ref.X + M.Delta.X, h.Y - ref.Y + M.Delta.Y};
    // A remembered leg that now points the wrong way or is too short gets the minimum.
    const bool horz = IsHorz(W.Dir) || W.Dir == aoNone, vert = IsVert(W.Dir) || W.Dir == aoNone;
    if (Neg) {
      if (!(d.X < -minLen) && horz) d.X = -minLen;
      if (!(d.Y < -minLen) && vert) d.Y = -minLen;
    } else {
      if (!(d.X > minLen) && horz) d.X = minLen;
      if (!(d.Y > minLen) && vert) d.Y = minLen;
    }
  } else {
    d = MaxLen == Unlimited ? TDot{minLen, minLen} : TDot{MaxLen / 2, MaxLen / 2};
  }
  d = TDot{std::fabs(d.X), std::fabs(d.Y)};
  if (!(d.X < MaxLen)) d.X = MaxLen - 1;
  if (!(d.Y < MaxLen)) d.Y = MaxLen - 1;
  if (Neg) d = TDot{-d.X, -d.Y};
  return d;
}

TWalker Advance(const TSideLineMemory& M, TWalker A, TWalker B, int Index) {
  Resolve(A, B);
  double maxLen = Unlimited;
  const bool horz = A.Dir == aoLeft || A.Dir == aoRight;
  // Ends facing each other with an offset meet in the middle.
  if (FacingOffset(A, B)) maxLen = (horz ? std::fabs(A.X - B.X) : std::fabs(A.Y - B.Y)) - M.MinLen;
  const TDot d = SegmentLength(M, Index, A.Dir == aoUp || A.Dir == aoLeft, A, maxLen);
  if (horz) {
    A.X += d.X;
    A.Dir = aoVert;
  } else {
    A.Y += d.Y;
    A.Dir = aoHorz;
  }
  return A;
}

// One corner between the ends, leaving the start along its own axis when it has one.
TDotArray SimpleRoute(TDot P1, TAnchorOrientation Dir1, TDot P2) {
  const TDot corner = IsVert(Dir1) ? TDot{P1.X, P2.Y} : TDot{P2.X, P1.Y};
  return {P1, corner, P2};
}

}  // namespace

TSideLineRoute RouteSideLine(TDot P1, TAnchorOrientation Dir1, TDot P2, TAnchorOrientation Dir2,
                             const TSideLineMemory& AMemory) {
  TSideLineRoute route;
  TWalker a{P1.X, P1.Y, Dir1}, b{P2.X, P2.Y, Dir2};
  const int c = static_cast<int>(AMemory.Handles.size());
  TDotArray fromStart, fromEnd;  // fromEnd is kept in reverse order
  int i = 1, j = 1;
  bool done = false;
  for (int round = 0; round < AMemory.MaxRounds; ++round) {
    if (!Toward(a, b)) {
      a = Advance(AMemory, a, b, i++);
      fromStart.push_back(TDot{a.X, a.Y});
    } else if (!Toward(b, a)) {
      b = Advance(AMemory, b, a, -(c - j - 1));
      ++j;
      fromEnd.push_back(TDot{b.X, b.Y});
    } else {
      a = Corner(a, b);
      fromStart.push_back(TDot{a.X, a.Y});
      done = true;
      break;
    }
  }
  TDotArray pts;
  if (done) {
    pts.push_back(P1);
    pts.insert(pts.end(), fromStart.begin(), fromStart.end());
    pts.insert(pts.end(), fromEnd.rbegin(), fromEnd.rend());
    pts.push_back(P2);
  } else {
    route.Capped = true;
    pts = SimpleRoute(P1, Dir1, P2);
  }
  for (const TDot& p : pts)
    if (route.Points.empty() || !(route.Points.back() == p)) route.Points.push_back(p);

  const TDotArray& q = route.Points;
  const size_t n = q.size();
  if (n >= 2) {
    route.FirstData = q[0].X == q[1].X ? aoVert : aoHorz;
    route.LastData = q[n - 2].X == q[n - 1].X ? aoVert : aoHorz;
  }
  route.Handles.push_back(P1);
  // One handle in the middle of every inner leg; it fixes that leg's position.
  for (size_t k = 1; k + 2 < n; ++k) {
    if (q[k].X == q[k + 1].X)
      route.Handles.push_back(TDot{q[k].X, (q[k].Y + q[k + 1].Y) / 2});
    else
      route.Handles.push_back(TDot{(q[k].X + q[k + 1].X) / 2, q[k].Y});
  }
  route.Handles.push_back(P2);
  return route;
}

TDotArray SideLineCorners(const TDotArray& AHandles, TAnchorOrientation AFirst) {
  TDotArray pts;
  if (AHandles.size() < 2) return pts;
  pts.push_back(AHandles[0]);
  bool horz = IsHorz(AFirst);
  for (size_t k = 1; k < AHandles.size(); ++k) {
    const TDot prev = AHandles[k - 1], cur = AHandles[k];
    pts.push_back(horz ? TDot{cur.X, prev.Y} : TDot{prev.X, cur.Y});
    horz = !horz;
  }
  pts.push_back(AHandles.back());
  return pts;
}

}  // namespace tarnwick
