#pragma once
// What the style commands and selectors change: the selected controls that are not groups. A group passes
// colours and styles on to nobody; its members are selected with it and take the change
// themselves.
#include <vector>

namespace tarnwick {

class TCustomDiagramBlock;
class TCustomDiagramLine;
class TDiagramControl;
class TdvDiagram;

std::vector<TCustomDiagramBlock*> SelectedPlainBlocks(const TdvDiagram& ADiagram);
std::vector<TCustomDiagramLine*> SelectedLines(const TdvDiagram& ADiagram);
std::vector<TDiagramControl*> SelectedNonGroups(const TdvDiagram& ADiagram);
bool HasSelection(const TdvDiagram* ADiagram);

}  // namespace tarnwick
