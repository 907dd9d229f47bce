#pragma once
// The selection change of a click. A plain click selects the outermost group of what was
// hit and leaves an existing selection alone when it is already part of it, so a multiple
// selection can be dragged; Ctrl selects only the level it reaches; Shift toggles it.
namespace tarnwick {

class TDiagramControl;
class TdvDiagram;

enum TClickSelectMode { csPlain, csExclusive, csToggle };

// The level of a group hierarchy a Ctrl or Shift click reaches: the outermost group on
// a first click, one level deeper inside a group that is selected or already holds a
// selection.
TDiagramControl* SelectionTarget(TDiagramControl* AControl);
void SelectClicked(TdvDiagram& ADiagram, TDiagramControl* AControl, TClickSelectMode AMode);

}  // namespace tarnwick
