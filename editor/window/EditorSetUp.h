#pragma once
// The view settings the program gives every diagram it edits (rulers, the ruler grid,
// wheel zoom, page lines, the handles' look). They are the program's choice, not part of
// a document, so New puts them back after clearing.
namespace tarnwick {

class TdvDiagram;

void ApplyEditorSetUp(TdvDiagram& ADiagram);

}  // namespace tarnwick
