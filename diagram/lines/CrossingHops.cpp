#include "diagram/lines/CrossingHops.h"

#include <algorithm>

#include "geometry/Conversions.h"
#include "platform/core/Math.h"

namespace tarnwick {

namespace {

constexpr double HopSize = 4;

bool StrictlyBetween(double V, double A, double B) { return std::min(A, B) < V && V < std::max(A, B); }

double SquaredDistance(TDot A, TDot B) { return (A.X - B.X) * (A.X - B.X) + (A.Y - B.Y) * (A.Y - B.Y); }

}  // namespace

void THelperLine::SortByDistance(TDot AFrom) {
  std::stable_sort(Points.begin(), Points.end(),
                   [AFrom](TDot A, TDot B) { return SquaredDistance(A, AFrom) < SquaredDistance(B, AFrom); });
}

void AddCrossingHops(TDot P1, TDot P2, TDot Q1, TDot Q2, THelperLine& AHops) {
  const TPoint q1 = DotToPoint(Q1), q2 = DotToPoint(Q2);
  const double x1 = Trunc(P1.X), y1 = Trunc(P1.Y), x2 = Trunc(P2.X), y2 = Trunc(P2.Y);
  double x = 0, y = 0;
  if (P1.Y == P2.Y) {
    if (!StrictlyBetween(y1, q1.Y, q2.Y) || !StrictlyBetween(q1.X, x1, x2)) return;
    x = q1.X;
    y = y1;
  } else {
    if (!StrictlyBetween(x1, q1.X, q2.X) || !StrictlyBetween(q1.Y, y1, y2)) return;
    x = x1;
    y = q1.Y;
  }
  if (P1.X != P2.X) {
    // A bump upward on a horizontal segment.
    AHops.AddPoint(x - HopSize, y);
    AHops.AddPoint(x, y - HopSize);
    AHops.AddPoint(x + HopSize, y);
  } else {
    // A bump to the right on a vertical one.
    AHops.AddPoint(x, y - HopSize);
    AHops.AddPoint(x + HopSize, y);
    AHops.AddPoint(x, y + HopSize);
  }
}

}  // namespace tarnwick
