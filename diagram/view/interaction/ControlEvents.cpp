#include "diagram/view/interaction/ControlEvents.h"

#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"

namespace tarnwick::controlevents {

void Press(TdvDiagram& D, TDiagramControl* C, TMouseButton B, TShiftState S, TPoint P) {
  C->MouseDownHook(B, S, P.X, P.Y);
  if (D.OnDControlMouseDown) D.OnDControlMouseDown(&D, C, B, S, P.X, P.Y);
}

void PressEx(TdvDiagram& D, TDiagramControl* C, TMouseButton B, TShiftState S, TPoint P, TStretchHandle*& AHandle) {
  C->MouseDownExHook(B, S, P.X, P.Y, AHandle);
  if (D.OnDControlMouseDownEx) D.OnDControlMouseDownEx(&D, C, B, S, P.X, P.Y, AHandle);
}

void DoublePress(TdvDiagram& D, TDiagramControl* C) {
  C->DblClickHook();
  if (D.OnDControlDblClick) D.OnDControlDblClick(&D, C);
}

void Move(TdvDiagram& D, TDiagramControl* C, TShiftState S, TPoint P) {
  C->MouseMoveHook(S, P.X, P.Y);
  if (D.OnDControlMouseMove) D.OnDControlMouseMove(&D, C, S, P.X, P.Y);
}

void Release(TdvDiagram& D, TDiagramControl* C, TMouseButton B, TShiftState S, TPoint P) {
  C->MouseUpHook(B, S, P.X, P.Y);
  if (D.OnDControlMouseUp) D.OnDControlMouseUp(&D, C, B, S, P.X, P.Y);
}

void Click(TdvDiagram& D, TDiagramControl* C) {
  C->ClickHook();
  if (D.OnDControlClick) D.OnDControlClick(&D, C);
}

void Enter(TdvDiagram& D, TDiagramControl* C) {
  auto* block = dynamic_cast<TCustomDiagramBlock*>(C);
  if (!block) return;
  block->MouseEnterHook();
  if (D.OnBlockMouseEnter) D.OnBlockMouseEnter(&D, C);
}

void Leave(TdvDiagram& D, TDiagramControl* C) {
  auto* block = dynamic_cast<TCustomDiagramBlock*>(C);
  if (!block) return;
  block->MouseLeaveHook();
  if (D.OnBlockMouseLeave) D.OnBlockMouseLeave(&D, C);
}

}  // namespace tarnwick::controlevents
