// The tool base does nothing with input: a tool takes only what its states need.
#include "diagram/view/interaction/DiagramTool.h"

#include <QWidget>

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramViewport.h"
#include "diagram/view/interaction/DiagramTools.h"

namespace tarnwick {

TDiagramViewport& TDiagramTool::Viewport() const { return *FDiagram.FViewport; }
TDiagramSelection& TDiagramTool::Selection() const { return *FDiagram.FSelection; }
TDiagramTools& TDiagramTool::Tools() const { return *FDiagram.FTools; }
TDot TDiagramTool::ClientPos(TPoint APos) const { return FDiagram.CanvasToClient(TDot{double(APos.X), double(APos.Y)}); }
void TDiagramTool::SetState(TMouseState AState) const { FDiagram.FTools->FMouseState = AState; }
TMouseState TDiagramTool::State() const { return FDiagram.FTools->FMouseState; }

void TDiagramTool::RepaintNow() const {
  if (QWidget* w = FDiagram.GetHandle(); w && w->isVisible()) w->repaint();
}

void TDiagramTool::MouseDown(TMouseButton, TShiftState, TPoint) {}
void TDiagramTool::MouseMove(TShiftState, TPoint) {}
void TDiagramTool::MouseUp(TMouseButton, TShiftState, TPoint) {}
bool TDiagramTool::MouseWheel(TShiftState, int, TPoint) { return false; }
bool TDiagramTool::KeyDown(uint16_t&, TShiftState) { return false; }
void TDiagramTool::Cancel() {}
void TDiagramTool::PaintOverlay(TCanvas&) {}

}  // namespace tarnwick
