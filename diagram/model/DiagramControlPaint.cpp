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

namespace {
const TSquare StandardSourceRect{0, 0, 100, 100};
}

void TDiagramControl::RecreateDgrDrawer() {
  TSquare source = StandardSourceRect;
  if (FDgrDrawer) source = FDgrDrawer->GetSourceRect();
  else if (FDrawer) source = FDrawer->GetOriginalRect();
  FreeDgrDrawer();
  if (GetComponentState().Contains(csDestroying)) return;
  TDgrGraphicLib lib = EffectiveGraphicLib();
  // A document or diagram may ask for Direct2D where the platform has none; its controls
  // then draw with GDI+ rather than failing to load or paint. Choosing Direct2D explicitly
  // on such a platform still raises (SetGraphicLib).
  if (lib == dglDirect2D && !IsDirect2DSupported()) lib = dglGDIPlus;
  FDgrDrawer.reset(CreateDgrBlockDrawer(lib));
  if (!FDgrDrawer) return;
  FTempPath.reset(FDgrDrawer->CreatePath());
  FDgrDrawer->SetSourceRect(source);
}

void TDiagramControl::FreeDgrDrawer() {
  FTempPath.reset();
  FDgrDrawer.reset();
}

void TDiagramControl::Paint(TCanvas* ACanvas, TDgrPaintEngine* AEngine, bool AScreenPass, bool AShowLinkPoints) {
  if (!ACanvas) return;
  FDrawer->SetCanvas(ACanvas);
  const bool engine = UsesEngine() && FDgrDrawer && AEngine;
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
