#pragma once
// The orthogonal router of side lines: a path of horizontal and vertical legs between two
// ends that leave their link points in given directions. It remembers where the user put
// the inner legs (the previous route's handles) and keeps the first and last legs from
// becoming shorter than a minimum. Pure geometry, so it can be tried without a line.
#include "diagram/lines/LineTypes.h"

namespace tarnwick {

struct TSideLineMemory {
  // The previous route's handles: both ends and one handle on each inner leg.
  TDotArray Handles;
  // Legs keep their absolute position (true) or their distance from the handle two legs
  // back (false), which keeps the route's shape when both ends move together.
  bool Fixed = false;
  // The handle being dragged and by how much; -1 when none.
  int DraggedIndex = -1;
  TDot Delta;
  int MinLen = 10;
  // Real routes take a handful of rounds; an input that would keep the walkers going
  // (non-finite or absurd coordinates) gets the simple route instead.
  int MaxRounds = 64;
};

struct TSideLineRoute {
  TDotArray Points;   // the corners, consecutive duplicates removed
  TDotArray Handles;  // start, one per inner leg, end
  // Axis of the first and last leg: 1 horizontal, 2 vertical (the values of aoHorz, aoVert).
  int FirstData = 0;
  int LastData = 0;
  bool Capped = false;  // the round cap was reached and the simple route was taken
};

TSideLineRoute RouteSideLine(TDot P1, TAnchorOrientation Dir1, TDot P2, TAnchorOrientation Dir2,
                             const TSideLineMemory& AMemory);

// The corners of a side line rebuilt from its handles: legs alternate, the first one
// horizontal when AFirst is horizontal (aoHorz, aoLeft, aoRight), else vertical.
TDotArray SideLineCorners(const TDotArray& AHandles, TAnchorOrientation AFirst);

}  // namespace tarnwick
