#include "graphics/EngineFactory.h"

#include "graphics/direct2d/D2DBlockDrawer.h"
#include "graphics/direct2d/D2DPaintEngine.h"
#include "graphics/gdiplus/GPBlockDrawer.h"
#include "graphics/gdiplus/GdipPaintEngine.h"

namespace tarnwick {

TDgrBlockDrawer* CreateDgrBlockDrawer(TDgrGraphicLib ALib) {
  switch (ALib) {
    case dglGDIPlus:
      return Create<TGPBlockDrawer>();
    case dglDirect2D:
      return Create<TD2DBlockDrawer>();
    default:
      return nullptr;
  }
}

TDgrPaintEngine* CreateDgrPaintEngine(TDgrGraphicLib ALib, TCanvas* ACanvas, const TRect& ARect) {
  switch (ALib) {
    case dglGDIPlus:
      return Create<TGdipPaintEngine>(ACanvas, ARect);
    case dglDirect2D:
      return Create<TD2DPaintEngine>(ACanvas, ARect);
    default:
      return nullptr;
  }
}

bool IsDrawerOf(const TDgrBlockDrawer* ADrawer, TDgrGraphicLib ALib) {
  switch (ALib) {
    case dglGDIPlus:
      return dynamic_cast<const TGPBlockDrawer*>(ADrawer) != nullptr;
    case dglDirect2D:
      return dynamic_cast<const TD2DBlockDrawer*>(ADrawer) != nullptr;
    default:
      return ADrawer == nullptr;
  }
}

}  // namespace tarnwick
