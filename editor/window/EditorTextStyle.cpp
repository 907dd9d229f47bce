// The text style commands: bold, italic, underline and the two text alignments. They show
// the state of one text cell (the edited one, else the first visible cell of the first
// selected control) and change the edited cell, or the selected controls. A change is one
// undoable step that marks the document modified like any other edit.
#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/actions/SelectionTargets.h"
#include "editor/window/EditorActions.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {

// The selected controls the style reaches: groups pass no text on.
template <class F>
void ForSelectedNonGroups(TdvDiagram& ADiagram, F AApply) {
  for (TDiagramControl* control : SelectedNonGroups(ADiagram)) AApply(*control);
}

template <class F>
void ForEachCell(TDiagramControl& AControl, F AApply) {
  TTextCells* cells = AControl.GetTextCells();
  for (int i = 0; cells && i < cells->Count(); ++i) AApply(*cells->GetItems(i));
}

}  // namespace

TTextCell* TdmDgrEditorActions::CurrentTextCell() const {
  if (!FDiagram) return nullptr;
  if (FDiagram->EditingText()) return FDiagram->EditingCell();
  if (FDiagram->SelectedCount() == 0) return nullptr;
  TDiagramControl* control = FDiagram->GetSelecteds(0);
  // A group shows the text of its first member, at any depth.
  while (control->IsGroup() && control->GetMemberCount() > 0) control = control->GetMember(0);
  TTextCell* first = control->DefaultTextCell();
  if (!first) return nullptr;
  // A hidden default cell gives way to the next visible one, once round at most.
  for (TTextCell* cell = first;;) {
    if (cell->GetVisible()) return cell;
    cell = control->SelectNextCell(cell, true);
    if (!cell || cell == first) return first;
  }
}

void TdmDgrEditorActions::ToggleFontStyle(int AStyle, const QString& AUndoLabel) {
  TTextCell* current = CurrentTextCell();
  if (!current) return;
  const TFontStyle style = TFontStyle(AStyle);
  const bool on = !current->GetFont()->GetStyle().Contains(style);
  const auto apply = [style, on](TFont& font) {
    TFontStyles styles = font.GetStyle();
    if (on) styles.Include(style);
    else styles.Exclude(style);
    font.SetStyle(styles);
  };
  TDiagramUpdate operation(*FDiagram, AUndoLabel);
  if (FDiagram->EditingText()) {
    apply(*current->GetFont());
  } else {
    ForSelectedNonGroups(*FDiagram, [&](TDiagramControl& control) {
      apply(*control.GetFont());
      // Cells that follow the control's font took the change with it.
      ForEachCell(control, [&](TTextCell& cell) {
        if (!cell.GetDControlFont()) apply(*cell.GetFont());
      });
    });
  }
  FDiagram->Modified();
}

void TdmDgrEditorActions::SetTextAlignment(int AAlignment, const QString& AUndoLabel) {
  SetCellLayout(AUndoLabel, [AAlignment](TTextCell& cell) { cell.SetAlignment(TAlignment(AAlignment)); });
}

void TdmDgrEditorActions::SetTextVertAlign(int AVertAlign, const QString& AUndoLabel) {
  SetCellLayout(AUndoLabel, [AVertAlign](TTextCell& cell) { cell.SetVertAlign(TVertAlign(AVertAlign)); });
}

// The edited cell during an in-place edit; otherwise every cell of every selected control
// that is not a group.
void TdmDgrEditorActions::SetCellLayout(const QString& AUndoLabel, const std::function<void(TTextCell&)>& AApply) {
  TTextCell* current = CurrentTextCell();
  if (!current) return;
  TDiagramUpdate operation(*FDiagram, AUndoLabel);
  if (FDiagram->EditingText())
    AApply(*current);
  else
    ForSelectedNonGroups(*FDiagram, [&](TDiagramControl& control) { ForEachCell(control, AApply); });
  FDiagram->Modified();
}

void TdmDgrEditorActions::UpdateFontStyle(QAction& AAction, int AStyle) const {
  const TTextCell* cell = CurrentTextCell();
  AAction.setEnabled(cell != nullptr);
  AAction.setChecked(cell && cell->GetFont()->GetStyle().Contains(TFontStyle(AStyle)));
}

void TdmDgrEditorActions::UpdateTextAlignment(QAction& AAction, int AAlignment) const {
  const TTextCell* cell = CurrentTextCell();
  AAction.setEnabled(cell != nullptr);
  AAction.setChecked(cell && cell->GetAlignment() == TAlignment(AAlignment));
}

void TdmDgrEditorActions::UpdateTextVertAlign(QAction& AAction, int AVertAlign) const {
  const TTextCell* cell = CurrentTextCell();
  AAction.setEnabled(cell != nullptr);
  AAction.setChecked(cell && cell->GetVertAlign() == TVertAlign(AVertAlign));
}

}  // namespace tarnwick
