// A control's engine drawer (made for the engine it uses, remade when that changes) and its
// part in a paint pass.
#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/LinkPointMarkers.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrPaintEngine.h"
#include "graphics/DgrPath.h"
#include "graphics/EngineFactory.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

void TDiagramControl::RecreateDgrDrawer() { FreeDgrDrawer(); }

void TDiagramControl::FreeDgrDrawer() {
  FTempPath.reset();
  FDgrDrawer.reset();
}

bool TDiagramControl::HasDgrDrawer() const {
  if (FDgrDrawer) return true;
  // A control being torn down (or one that lost its legacy drawer with it) makes nothing.
  return FDrawer && !GetComponentState().Contains(csDestroying) && UsesEngine();
}

TDgrBlockDrawer* TDiagramControl::GetDgrDrawer() const {
  if (FDgrDrawer) return FDgrDrawer.get();
  if (!HasDgrDrawer()) return nullptr;
  TDgrGraphicLib lib = EffectiveGraphicLib();
  // A document or diagram may ask for Direct2D where the platform has none; its controls
  // then draw with GDI+ rather than failing to load or paint. Choosing Direct2D explicitly
  // on such a platform still raises (SetGraphicLib).
  if (lib == dglDirect2D && !IsDirect2DSupported()) lib = dglGDIPlus;
  FDgrDrawer.reset(CreateDgrBlockDrawer(lib));
  // The engine frame maps the same original space as the legacy drawer.
  if (FDgrDrawer) FDgrDrawer->SetSourceRect(FDrawer->GetOriginalRect());
  return FDgrDrawer.get();
}

TDgrGraphicsPath* TDiagramControl::GetTempPath() const {
  if (!FTempPath)
    if (TDgrBlockDrawer* drawer = GetDgrDrawer()) FTempPath.reset(drawer->CreatePath());
  return FTempPath.get();
}

void TDiagramControl::Paint(TCanvas* ACanvas, TDgrPaintEngine* AEngine, bool AScreenPass, bool AShowLinkPoints) {
  if (!ACanvas) return;
  FDrawer->SetCanvas(ACanvas);
  const bool engine = AEngine && UsesEngine() && GetDgrDrawer();
  if (engine) FDgrDrawer->SetPaintEngine(AEngine);
  FPassEngine = engine ? AEngine : nullptr;
  // The pass's engine is the drawers' only while this control paints.
  TScopeExit endPass([this, engine] {
    FPassEngine = nullptr;
    if (engine) FDgrDrawer->SetPaintEngine(nullptr);
  });
  {
    TDiagramDrawInfo info;
    info.Canvas = ACanvas;
    info.Drawer = FDrawer.get();
    info.DgrDrawer = engine ? FDgrDrawer.get() : nullptr;
    Draw(info);
    if (AScreenPass) {
      TDiagramHost* host = GetDiagramHost();
      const TLinkPointDrawHook hook = [host](TCanvas* C, TLinkPoint* P, const TPoint& At, bool& Done) {
        host->DoDrawLinkPoint(C, P, At, Done);
      };
      DrawControlLinkPoints(ACanvas, this, AShowLinkPoints, host ? hook : TLinkPointDrawHook{});
    }
  }
}

}  // namespace tarnwick
