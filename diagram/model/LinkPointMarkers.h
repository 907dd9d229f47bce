#pragma once
// Markers of link points on the legacy canvas: node boxes for points that collapse what
// hangs below them, and the small shapes of the control's link point style otherwise.
#include <functional>

#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;
class TLinkPoint;

// The diagram's own drawing of a point; sets ADone when it painted the point itself.
using TLinkPointDrawHook =
    std::function<void(TCanvas* ACanvas, TLinkPoint* ALinkPoint, const TPoint& APoint, bool& ADone)>;

// A node box at (X, Y) with a minus, and a plus when collapsed, in its own grey, white and
// black.
void DrawNodeMarker(TCanvas* ACanvas, int X, int Y, bool ACollapsed);
// The style's shape at (X, Y) with the canvas's current pen and brush.
void DrawStyleMarker(TCanvas* ACanvas, int X, int Y, TLinkPointStyle AStyle);

// One point of its control, at its diagram position on the canvas of the paint pass:
// the hook first, then nothing for invisible points, a node box for nodes, else the
// control's style with its link point pen and brush.
void DrawLinkPoint(TCanvas* ACanvas, TLinkPoint* ALinkPoint, const TLinkPointDrawHook& AHook = {});
// Every point of AControl.
void DrawLinkPoints(TCanvas* ACanvas, TDiagramControl* AControl, const TLinkPointDrawHook& AHook = {});
// The markers a control shows after painting itself on screen: every point when the
// diagram shows link points, and the node points always, so that collapsed branches can
// be opened again. Lines show none; the diagram makes no call for preview, print or
// export.
void DrawControlLinkPoints(TCanvas* ACanvas, TDiagramControl* AControl, bool AShowLinkPoints,
                           const TLinkPointDrawHook& AHook = {});

}  // namespace tarnwick
