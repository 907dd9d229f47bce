#pragma once
// A gradient painted through an engine drawer: the engine brush lays the two colours out
// over the drawer's destination rectangle and turns them with the block.
namespace tarnwick {

class TDiagramGradient;
class TDgrBlockDrawer;
class TDgrGraphicsPath;

// Pen invisible, brush in gradient mode with the gradient's colours and layout, and the
// destination rectangle (turned by the drawer) filled. AScratch is a path to reuse; without
// one a path is made and freed. The caller clips to the block and sets the brush's
// transparency first.
void DrawGradientOnEngine(const TDiagramGradient& AGradient, TDgrBlockDrawer* ADrawer,
                          TDgrGraphicsPath* AScratch = nullptr);

}  // namespace tarnwick
