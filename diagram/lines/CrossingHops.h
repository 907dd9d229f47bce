#pragma once
// Where a side line crosses another side line below it, the upper one draws a small bump
// so the crossing does not read as a junction.
#include "geometry/Dot.h"

namespace tarnwick {

// A scratch list of points collected along one segment while painting.
class THelperLine {
 public:
  TDotArray Points;
  void AddPoint(double X, double Y) { Points.push_back(TDot{X, Y}); }
  // Nearest to AFrom first; points at equal distance keep their order.
  void SortByDistance(TDot AFrom);
};

// Adds the hop points of segment P1 -> P2 crossing the other segment Q1 -> Q2 (the
// other line's points, rounded to integers). Touching or ending on the other segment is
// no crossing.
void AddCrossingHops(TDot P1, TDot P2, TDot Q1, TDot Q2, THelperLine& AHops);

}  // namespace tarnwick
