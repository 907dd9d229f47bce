// Property setters of the diagram's published surface: most store and repaint; some refresh what depends on
// them (scroll ranges, handles, engine drawers, inherited hints and fonts).
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/DiagramWindow.h"
#include "graphics/direct2d/D2DException.h"
#include "platform/gui/Font.h"

namespace tarnwick {

TDiagramPublished::TDiagramPublished(TComponent* AOwner) : TWinControl(AOwner) {}

TDiagramPublished::~TDiagramPublished() = default;

TdvDiagram& TDiagramPublished::AsDiagram() { return static_cast<TdvDiagram&>(*this); }

namespace {
template <class T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

void TDiagramPublished::SetPaintLinesFirst(bool Value) {
  if (Store(FPaintLinesFirst, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetAutomaticNodes(bool Value) {
  if (Store(FAutomaticNodes, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetShowLinkPoints(bool Value) {
  if (Store(FShowLinkPoints, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetShowCrossIndicators(bool Value) {
  if (Store(FShowCrossIndicators, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetSmoothMode(TDgrSmoothMode Value) {
  if (Store(FSmoothMode, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetTextRenderingMode(TDgrTextRenderingMode Value) {
  if (Store(FTextRenderingMode, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetSelectionMode(TDiagramSelectionMode Value) {
  if (Store(FSelectionMode, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetMeasUnit(TDiagramMeasUnit Value) {
  if (Store(FIntMeasUnit, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetRulerAutoUnit(bool Value) {
  if (Store(FRulerAutoUnit, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetDesignMode(TDiagramDesignMode Value) {
  if (Store(FDesignMode, Value)) AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetIgnoreScreenDPI(bool Value) {
  if (!Store(FIgnoreScreenDPI, Value)) return;
  AsDiagram().UpdateScrollRanges();
  AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetAutoScroll(bool Value) {
  if (!Store(FAutoScroll, Value)) return;
  if (Value) {
    AsDiagram().UpdateScrollRanges();
    AsDiagram().RequestRedraw();
  } else {
    FHorzScrollBar->SetRange(0);
    FVertScrollBar->SetRange(0);
  }
}

void TDiagramPublished::SetAutoPage(bool Value) {
  if (!Store(FAutoPage, Value)) return;
  if (Value) {
    AsDiagram().UpdateScrollRanges();
    AsDiagram().RequestRedraw();
  }
}

void TDiagramPublished::SetHandlesStyle(TDiagramHandlesStyle Value) {
  if (!Store(FHandlesStyle, Value)) return;
  // The two styles place handles differently (the rotation handle moves, a rotation
  // centre handle comes or goes), so every block lays its handles out again.
  for (TDiagramControl* c : AsDiagram().FControls->FBlocks)
    if (auto* block = dynamic_cast<TCustomDiagramBlock*>(c)) block->UpdateBlockHandles();
  if (auto* sel = dynamic_cast<TCustomDiagramBlock*>(AsDiagram().FSelection->FSelBlock)) sel->UpdateBlockHandles();
  AsDiagram().RequestRedraw();
}

void TDiagramPublished::SetBorderColor(TColor Value) {
  if (Store(FBorderColor, Value)) AsDiagram().InvalidateWindow();
}

void TDiagramPublished::SetBorderStyle(TBorderStyle Value) {
  if (!Store(FBorderStyle, Value)) return;
  AsDiagram().FWindow->LayoutScrollBars();
  AsDiagram().InvalidateWindow();
}

int TDiagramPublished::BorderWidth() const { return FBorderStyle == bsSingle && !FWindowLayout.Ctl3D ? 1 : 0; }

void TDiagramPublished::SetBackground(TDiagramBackground* Value) { FBackground->Assign(Value); }
void TDiagramPublished::SetSnapGrid(TSnapGrid* Value) { FSnapGrid->Assign(Value); }
void TDiagramPublished::SetLeftRuler(TDiagramRuler* Value) { FLeftRuler->Assign(Value); }
void TDiagramPublished::SetTopRuler(TDiagramRuler* Value) { FTopRuler->Assign(Value); }
void TDiagramPublished::SetVertScrollBar(TDiagramScrollBar* Value) { FVertScrollBar->Assign(Value); }
void TDiagramPublished::SetHorzScrollBar(TDiagramScrollBar* Value) { FHorzScrollBar->Assign(Value); }
void TDiagramPublished::SetPageLines(TPageLines* Value) { FPageLines->Assign(Value); }
void TDiagramPublished::SetPageSettings(TDiagramPageSettings* Value) { FPageSettings->Assign(Value); }

void TDiagramPublished::SetFont(TFont* Value) {
  FFont->Assign(Value);
  FParentFont = false;
}

void TDiagramPublished::SetShowHint(bool Value) {
  if (!Store(FShowHint, Value)) return;
  for (TDiagramControl* c : AsDiagram().FControls->FDControls) c->ApplyParentShowHint();
}

void TDiagramPublished::SetGraphicLib(TDgrGraphicLib Value) {
  // Choosing an engine the platform lacks fails before anything changes; a stored document
  // that asks for it still loads and paints with GDI+.
  if (Value == dglDirect2D && Value != FGraphicLib && !GetComponentState().Contains(csLoading) &&
      !GetComponentState().Contains(csReading))
    RequireDirect2D();
  if (!Store(FGraphicLib, Value)) return;
  for (TDiagramControl* c : AsDiagram().FControls->FDControls) c->RecreateDgrDrawer();
  const auto subscribers = AsDiagram().FSubList;
  for (const auto& s : subscribers) s->DgrNotification(TDgrNotificationInfo{deGraphicLibChanged});
  AsDiagram().RequestRedraw();
}

}  // namespace tarnwick
