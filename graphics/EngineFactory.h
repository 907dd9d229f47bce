#pragma once
// The engine classes chosen by graphic library: the block drawer a control draws through
// and the paint engine of one paint pass. dglGDI has neither (nullptr): controls then draw
// through the legacy canvas.
#include "graphics/DgrTypes.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;
class TDgrBlockDrawer;
class TDgrPaintEngine;

// Raises EDirect2DException "Direct2D not supported." for dglDirect2D on a platform without it.
TDgrBlockDrawer* CreateDgrBlockDrawer(TDgrGraphicLib ALib);
TDgrPaintEngine* CreateDgrPaintEngine(TDgrGraphicLib ALib, TCanvas* ACanvas, const TRect& ARect);
// Whether a drawer is of the class ALib asks for (nullptr is the class of dglGDI).
bool IsDrawerOf(const TDgrBlockDrawer* ADrawer, TDgrGraphicLib ALib);

}  // namespace tarnwick
