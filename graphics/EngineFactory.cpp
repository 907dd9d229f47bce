#include "graphics/EngineFactory.h"

// The engine classes are linked in by the next change; until then no library has a
// drawer and every control draws through the legacy canvas.
namespace tarnwick {

TDgrBlockDrawer* CreateDgrBlockDrawer(TDgrGraphicLib) { return nullptr; }
TDgrPaintEngine* CreateDgrPaintEngine(TDgrGraphicLib, TCanvas*, const TRect&) { return nullptr; }
bool IsDrawerOf(const TDgrBlockDrawer* ADrawer, TDgrGraphicLib) { return ADrawer == nullptr; }

}  // namespace tarnwick
