#pragma once
// Geometry on a layout area that every algorithm needs after its own placement: keeping
// blocks apart and putting the result where the drawing was.
#include "diagram/layout/DiagramLayout.h"

namespace tarnwick {

struct TAreaBounds {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// The rectangle around every node; all zero for an empty area.
TAreaBounds BoundsOf(const TLayoutArea& AArea);

// Whether two nodes come closer than AGap (touching counts as apart when AGap is 0).
bool NodesOverlap(const TLayoutBlock& A, const TLayoutBlock& B, int AGap);
bool AnyNodesOverlap(const TLayoutArea& AArea, int AGap);

// Spreads the node centres away from their common centre, by the least factor that leaves
// every pair at least AGap apart in one direction. The arrangement keeps its shape; nodes
// whose centres coincide are first set side by side.
void SpreadNodesApart(TLayoutArea& AArea, int AGap);

// Moves every node by the same amount so the area's top-left corner is (ALeft, ATop).
void MoveAreaTo(TLayoutArea& AArea, int ALeft, int ATop);

}  // namespace tarnwick
