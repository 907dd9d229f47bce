// Searches by position: the topmost control, a link point, a handle. Walk orders are part
// of the behaviour: topmost first, block link points before line link points.
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/DiagramViewport.h"
#include "geometry/Conversions.h"
#include "geometry/Predicates.h"

namespace tarnwick {

namespace {
constexpr int HitTolerance = 5;
}  // namespace

TDiagramControl* TdvDiagram::DControlAtPos(const TDot& Pos, TControlSearchMode SearchMode,
                                          TDiagramControlFilter AGroupFilter) {
  if (FViewport->IsRulerAt(ClientToCanvas(Pos))) return nullptr;
  for (int i = FControls->FDControls.Count() - 1; i >= 0; --i) {
    TDiagramControl* c = FControls->FDControls[i];
    if (!c->IsVisible()) continue;
    if (SearchMode == csmIgnoreLines && c->IsLine()) continue;
    if (!PointInSquare(c->SurroundRect(), Pos, HitTolerance)) continue;
    if (!c->PointInControl(DotToPoint(Pos))) continue;
    switch (AGroupFilter) {
      case cfAll:
        return c;
      case cfIgnoreMembers:
        if (!c->IsMember()) return c;
        break;
      case cfIgnoreAsMembers:
        if (!c->AsMember()) return c;
        break;
      case cfIgnoreGroups:
        if (!c->IsGroup()) return c;
        break;
    }
  }
  return nullptr;
}

TLinkPoint* TdvDiagram::LinkPointAtPos(const TDot& Pos, TDiagramControl* ADControl, bool OnlyUnselected,
                                       bool OnlyNodes, bool OnlyAcceptAnchoreds) {
  if (FViewport->IsRulerAt(ClientToCanvas(Pos))) return nullptr;
  auto search = [&](TDiagramControl* c) -> TLinkPoint* {
    if (!c->IsVisible() || c == ADControl || (OnlyUnselected && c->GetSelected())) return nullptr;
    TLinkPoints* points = c->GetLinkPoints();
    for (int i = 0; i < points->Count(); ++i) {
      TLinkPoint* p = points->GetItems(i);
      if (!p->GetVisible() || p->GetStyle() == ptImplicit) continue;
      if (OnlyNodes && !p->IsNode()) continue;
      if (OnlyAcceptAnchoreds && !p->GetAcceptAnchoreds()) continue;
      if (PointNearPoint(Pos, p->DiagramPoint(), HitTolerance)) return p;
    }
    return nullptr;
  };
  for (int i = FControls->FBlocks.Count() - 1; i >= 0; --i)
    if (TLinkPoint* p = search(FControls->FBlocks[i])) return p;
  for (int i = FControls->FDControls.Count() - 1; i >= 0; --i)
    if (TLinkPoint* p = search(FControls->FDControls[i])) return p;
  return nullptr;
}

TStretchHandle* TdvDiagram::HandleAtPos(const TDot& Pos, bool AIgnoreZoom) {
  if (FViewport->IsRulerAt(ClientToCanvas(Pos))) return nullptr;
  const int tolerance = AIgnoreZoom ? Round(HitTolerance / FViewport->FZoomRatio / GetScreenDPIRatio()) : HitTolerance;
  auto search = [&](TDiagramControl* c) -> TStretchHandle* {
    TStretchHandles* handles = c->GetHandles();
    for (int i = handles->Count() - 1; i >= 0; --i) {
      TStretchHandle* h = handles->GetItems(i);
      if (h->GetVisible() && PointNearPoint(Pos, h->DiagramPoint(), tolerance)) return h;
    }
    return nullptr;
  };
  if (FSelection->SelBlockInUse())
    if (TStretchHandle* h = search(FSelection->FSelBlock)) return h;
  for (TDiagramControl* c : FControls->FDControls)
    if (c->GetSelected() && c->IsVisible())
      if (TStretchHandle* h = search(c)) return h;
  return nullptr;
}

bool TdvDiagram::ControlHintAt(TPoint CanvasPos, QString& AHint, TRect& AArea) {
  TDiagramControl* c = DControlAtPos(CanvasToClient(PointToDot(CanvasPos)), csmAll, cfIgnoreGroups);
  if (!c || !c->GetShowHint()) return false;
  AHint = c->GetHint();
  AArea = SquareToRect(ClientToCanvas(c->SurroundRect()));
  return true;
}

}  // namespace tarnwick
