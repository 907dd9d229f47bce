// The diagram's text-editing operations, handed to its text editor (DiagramTextEditor.h).
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramTextEditor.h"

namespace tarnwick {

void TdvDiagram::EditTextCell(TTextCell* ACell) { FTextEditor->EditTextCell(ACell); }
void TdvDiagram::EditControlText(TDiagramControl* ADControl) { FTextEditor->EditControlText(ADControl); }
void TdvDiagram::EditBlockText(TCustomDiagramBlock* ABlock) { FTextEditor->EditControlText(ABlock); }
void TdvDiagram::CloseEditor(bool AUpdate) { FTextEditor->CloseEditor(AUpdate); }
bool TdvDiagram::EditingText() const { return FTextEditor->EditingText(); }
TTextCell* TdvDiagram::EditingCell() const { return FTextEditor->EditingCell(); }
TDiagramMemo* TdvDiagram::GetInplaceMemo() const { return FTextEditor->GetMemo(); }
void TdvDiagram::TextCellDestroying(TTextCell* ACell) { FTextEditor->CellDestroying(ACell); }

// Only the screen leaves the edited cell to the editor; previews, prints and exports
// show the cell's text.
TTextCell* TdvDiagram::CellCoveredByEditor() const {
  return GetPaintStyle() == psScreen ? FTextEditor->EditingCell() : nullptr;
}

}  // namespace tarnwick
