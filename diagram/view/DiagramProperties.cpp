// Property setters of the diagram: most store and repaint; some refresh what depends on
// them (scroll ranges, handles, engine drawers, inherited hints and fonts).
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/DiagramWindow.h"
#include "graphics/direct2d/D2DException.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {
template <class T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

void TdvDiagram::SetPaintLinesFirst(bool Value) {
  if (Store(FPaintLinesFirst, Value)) RequestRedraw();
}

void TdvDiagram::SetAutomaticNodes(bool Value) {
  if (Store(FAutomaticNodes, Value)) RequestRedraw();
}

void TdvDiagram::SetShowLinkPoints(bool Value) {
  if (Store(FShowLinkPoints, Value)) RequestRedraw();
}

void TdvDiagram::SetShowCrossIndicators(bool Value) {
  if (Store(FShowCrossIndicators, Value)) RequestRedraw();
}

void TdvDiagram::SetSmoothMode(TDgrSmoothMode Value) {
  if (Store(FSmoothMode, Value)) RequestRedraw();
}

void TdvDiagram::SetTextRenderingMode(TDgrTextRenderingMode Value) {
  if (Store(FTextRenderingMode, Value)) RequestRedraw();
}

void TdvDiagram::SetSelectionMode(TDiagramSelectionMode Value) {
  if (Store(FSelectionMode, Value)) RequestRedraw();
}

void TdvDiagram::SetMeasUnit(TDiagramMeasUnit Value) {
  if (Store(FIntMeasUnit, Value)) RequestRedraw();
}

void TdvDiagram::SetRulerAutoUnit(bool Value) {
  if (Store(FRulerAutoUnit, Value)) RequestRedraw();
}

void TdvDiagram::SetDesignMode(TDiagramDesignMode Value) {
  if (Store(FDesignMode, Value)) RequestRedraw();
}

void TdvDiagram::SetIgnoreScreenDPI(bool Value) {
  if (!Store(FIgnoreScreenDPI, Value)) return;
  UpdateScrollRanges();
  RequestRedraw();
}

void TdvDiagram::SetAutoScroll(bool Value) {
  if (!Store(FAutoScroll, Value)) return;
  if (Value) {
    UpdateScrollRanges();
    RequestRedraw();
  } else {
    FHorzScrollBar->SetRange(0);
    FVertScrollBar->SetRange(0);
  }
}

void TdvDiagram::SetAutoPage(bool Value) {
  if (!Store(FAutoPage, Value)) return;
  if (Value) {
    UpdateScrollRanges();
    RequestRedraw();
  }
}

void TdvDiagram::SetHandlesStyle(TDiagramHandlesStyle Value) {
  if (!Store(FHandlesStyle, Value)) return;
  // The two styles place handles differently (the rotation handle moves, a rotation
  // centre handle comes or goes), so every block lays its handles out again.
  for (TDiagramControl* c : FControls->FBlocks)
    if (auto* block = dynamic_cast<TCustomDiagramBlock*>(c)) block->UpdateBlockHandles();
  if (auto* sel = dynamic_cast<TCustomDiagramBlock*>(FSelection->FSelBlock)) sel->UpdateBlockHandles();
  RequestRedraw();
}

void TdvDiagram::SetBorderColor(TColor Value) {
  if (Store(FBorderColor, Value)) InvalidateWindow();
}

void TdvDiagram::SetBorderStyle(TBorderStyle Value) {
  if (!Store(FBorderStyle, Value)) return;
  FWindow->LayoutScrollBars();
  InvalidateWindow();
}

int TdvDiagram::BorderWidth() const { return FBorderStyle == bsSingle && !FWindowLayout.Ctl3D ? 1 : 0; }

void TdvDiagram::SetBackground(TDiagramBackground* Value) { FBackground->Assign(Value); }
void TdvDiagram::SetSnapGrid(TSnapGrid* Value) { FSnapGrid->Assign(Value); }
void TdvDiagram::SetLeftRuler(TDiagramRuler* Value) { FLeftRuler->Assign(Value); }
void TdvDiagram::SetTopRuler(TDiagramRuler* Value) { FTopRuler->Assign(Value); }
void TdvDiagram::SetVertScrollBar(TDiagramScrollBar* Value) { FVertScrollBar->Assign(Value); }
void TdvDiagram::SetHorzScrollBar(TDiagramScrollBar* Value) { FHorzScrollBar->Assign(Value); }
void TdvDiagram::SetPageLines(TPageLines* Value) { FPageLines->Assign(Value); }
void TdvDiagram::SetPageSettings(TDiagramPageSettings* Value) { FPageSettings->Assign(Value); }

void TdvDiagram::SetFont(TFont* Value) {
  FFont->Assign(Value);
  FParentFont = false;
}

void TdvDiagram::SetShowHint(bool Value) {
  if (!Store(FShowHint, Value)) return;
  for (TDiagramControl* c : FControls->FDControls) c->ApplyParentShowHint();
}

void TdvDiagram::SetGraphicLib(TDgrGraphicLib Value) {
  // Choosing an engine the platform lacks fails before anything changes; a stored document
  // that asks for it still loads and paints with GDI+.
  if (Value == dglDirect2D && Value != FGraphicLib && !GetComponentState().Contains(csLoading) &&
      !GetComponentState().Contains(csReading))
    RequireDirect2D();
  if (!Store(FGraphicLib, Value)) return;
  for (TDiagramControl* c : FControls->FDControls) c->RecreateDgrDrawer();
  const auto subscribers = FSubList;
  for (const auto& s : subscribers) s->DgrNotification(TDgrNotificationInfo{deGraphicLibChanged});
  RequestRedraw();
}

}  // namespace tarnwick
