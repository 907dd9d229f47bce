#pragma once
// The mouse events a control hears from the diagram: each runs the control's own hook
// first and the diagram's event second. Positions are canvas pixels.
#include "platform/core/ShiftState.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TDiagramControl;
class TStretchHandle;
class TdvDiagram;

namespace controlevents {
void Press(TdvDiagram& D, TDiagramControl* C, TMouseButton B, TShiftState S, TPoint P);
// The press extension may replace or clear the handle about to be dragged.
void PressEx(TdvDiagram& D, TDiagramControl* C, TMouseButton B, TShiftState S, TPoint P, TStretchHandle*& AHandle);
void DoublePress(TdvDiagram& D, TDiagramControl* C);
void Move(TdvDiagram& D, TDiagramControl* C, TShiftState S, TPoint P);
void Release(TdvDiagram& D, TDiagramControl* C, TMouseButton B, TShiftState S, TPoint P);
void Click(TdvDiagram& D, TDiagramControl* C);
// Blocks only: lines are not entered or left.
void Enter(TdvDiagram& D, TDiagramControl* C);
void Leave(TdvDiagram& D, TDiagramControl* C);
}  // namespace controlevents

}  // namespace tarnwick
