#pragma once
// The view settings the program gives every diagram it edits (rulers, the ruler grid,
// wheel zoom, page lines, the handles' look). They are the program's choice, not part of
// a document, so New puts them back after clearing.
namespace tarnwick {

class TdvDiagram;
class TfmDiagramEditor;

void ApplyEditorSetUp(TdvDiagram& ADiagram);
// What the program does with a new editor window: the view settings on its diagram (and
// again after New) and the About menu.
void PrepareEditorWindow(TfmDiagramEditor& AForm);

}  // namespace tarnwick
