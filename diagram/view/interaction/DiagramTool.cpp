// The tool base does nothing with input: a tool takes only what its states need.
#include "diagram/view/interaction/DiagramTool.h"

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramViewport.h"

namespace tarnwick {

TDiagramViewport& TDiagramTool::Viewport() const { return *FDiagram.FViewport; }

void TDiagramTool::MouseDown(TMouseButton, TShiftState, TPoint) {}
void TDiagramTool::MouseMove(TShiftState, TPoint) {}
void TDiagramTool::MouseUp(TMouseButton, TShiftState, TPoint) {}
bool TDiagramTool::MouseWheel(TShiftState, int, TPoint) { return false; }
bool TDiagramTool::KeyDown(uint16_t&, TShiftState) { return false; }
void TDiagramTool::Cancel() {}

}  // namespace tarnwick
