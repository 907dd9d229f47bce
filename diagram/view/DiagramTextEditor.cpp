#include "diagram/view/DiagramTextEditor.h"

#include <QWidget>

#include "diagram/model/DiagramControl.h"
#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramMemo.h"
#include "diagram/view/UpdateGuard.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {

bool Editable(const TTextCell* ACell) { return ACell && ACell->GetVisible() && !ACell->GetReadOnly(); }

// The first control, depth first in member order, whose text may be edited and that has
// a cell. Groups themselves are never edited, so they are only searched.
TDiagramControl* FirstEditableMember(TDiagramControl* AGroup, int ADepth) {
  // Groups cannot contain themselves; the bound only protects against a damaged tree.
  if (ADepth > 1000) return nullptr;
  for (int i = 0; i < AGroup->GetMemberCount(); ++i) {
    TDiagramControl* member = AGroup->GetMember(i);
    if (!member) continue;
    if (!member->IsGroup() && member->CanEditText() && member->HasDefaultTextCell()) return member;
    if (member->IsGroup())
      if (TDiagramControl* found = FirstEditableMember(member, ADepth + 1)) return found;
  }
  return nullptr;
}

}  // namespace

TDiagramTextEditor::~TDiagramTextEditor() { delete FMemo.data(); }

TDiagramMemo& TDiagramTextEditor::Memo() {
  if (!FMemo) {
    auto* memo = new TDiagramMemo(&FDiagram, FDiagram.GetHandle());
    memo->OnAccept = [this] { CloseEditor(true); };
    memo->OnDiscard = [this] { CloseEditor(false); };
    memo->OnTab = [this](bool AForward) { Tab(AForward); };
    FMemo = memo;
  }
  return *FMemo;
}

TDiagramMemo* TDiagramTextEditor::GetMemo() const { return FMemo.data(); }

bool TDiagramTextEditor::EditingText() const { return FMemo && !FMemo->isHidden(); }

TTextCell* TDiagramTextEditor::EditingCell() const { return EditingText() ? FMemo->GetCell() : nullptr; }

bool TDiagramTextEditor::CellStillThere(TDiagramControl* AControl, TTextCell* ACell) const {
  bool onDiagram = false;
  for (int i = 0; i < FDiagram.DControlCount() && !onDiagram; ++i) onDiagram = FDiagram.GetDControls(i) == AControl;
  if (!onDiagram) return false;
  TTextCells* cells = AControl->GetTextCells();
  for (int i = 0; i < cells->Count(); ++i)
    if (cells->GetItems(i) == ACell) return true;
  return false;
}

void TDiagramTextEditor::EditTextCell(TTextCell* ACell) {
  if (!ACell || FDiagram.IsDestroying()) return;
  TDiagramControl* control = ACell->GetDControl();
  // A control on another diagram (or on none) is not this editor's: it would be placed
  // by the wrong coordinates and never told when the control goes.
  if (!control || control->GetDiagram() != &FDiagram) return;
  if (!control->CanEditText() || control->IsGroup() || !Editable(ACell)) return;
  // An editor open on another cell keeps what was typed into it: it is accepted before
  // the editor moves on. Closing runs application code, which may free the new cell.
  if (EditingText()) {
    CloseEditor(true);
    if (!CellStillThere(control, ACell) || !Editable(ACell)) return;
  }
  OpenEditor(ACell);
  Fire(FDiagram.OnEditCell, &FDiagram, ACell);
}

void TDiagramTextEditor::EditControlText(TDiagramControl* ADControl) {
  if (!ADControl || !ADControl->CanEditText()) return;
  if (ADControl->IsGroup()) ADControl = FirstEditableMember(ADControl, 0);
  if (!ADControl || !ADControl->HasDefaultTextCell()) return;
  TTextCell* cell = ADControl->DefaultTextCell();
  if (!Editable(cell)) cell = ADControl->SelectNextCell(cell, true);
  if (Editable(cell)) EditTextCell(cell);
}

void TDiagramTextEditor::OpenEditor(TTextCell* ACell) {
  if (!ACell) return;
  TDiagramMemo& memo = Memo();
  memo.Open(ACell, [this, ACell] { Fire(FDiagram.OnOpenEditor, &FDiagram, ACell); });
  FDiagram.RequestRedraw();
}

void TDiagramTextEditor::CloseEditor(bool AUpdate) {
  // An application handler called from the closing may close again; the text is written
  // once.
  if (!FMemo || FClosing) return;
  const TScopedValue<bool> closing(FClosing, true);
  TTextCell* cell = FMemo->GetCell();
  // Only a shown editor has something to write: one that failed to open never showed
  // its text to anybody.
  if (cell && AUpdate && !FMemo->isHidden()) {
    TDiagramUpdate operation(FDiagram, QStringLiteral("text edit"));
    cell->SetText(FMemo->EditedText());
    FDiagram.Modified();
  }
  // The operation's end ran application code; a cell that went away meanwhile is not
  // handed on.
  if (FMemo && FMemo->GetCell() != cell) cell = nullptr;
  if (!FDiagram.IsDestroying() && FMemo) {
    FMemo->hide();
    FDiagram.RequestRedraw();
    if (QWidget* w = FDiagram.GetHandle(); w->isVisible()) w->setFocus(Qt::OtherFocusReason);
  }
  Fire(FDiagram.OnCloseEditor, &FDiagram, cell, AUpdate);
  if (FMemo) FMemo->ForgetCell();
}

void TDiagramTextEditor::Tab(bool AForward) {
  TTextCell* cell = EditingCell();
  TDiagramControl* control = cell ? cell->GetDControl() : nullptr;
  if (!control) return;
  TTextCell* next = control->SelectNextCell(cell, AForward);
  if (!next || next == cell) return;
  TDiagramControl* nextControl = next->GetDControl();
  CloseEditor(true);
  if (CellStillThere(nextControl, next)) EditTextCell(next);
}

void TDiagramTextEditor::Abandon() {
  if (FDiagram.IsDestroying()) {
    FMemo->ForgetCell();
    return;
  }
  CloseEditor(false);
  // A close already in progress (the cell went away from inside a handler) still must
  // not keep the pointer.
  if (FMemo) FMemo->ForgetCell();
}

void TDiagramTextEditor::ControlLeaving(TDiagramControl* AControl) {
  if (!FMemo || !AControl) return;
  TTextCell* cell = FMemo->GetCell();
  if (cell && cell->GetDControl() == AControl) Abandon();
}

void TDiagramTextEditor::CellDestroying(TTextCell* ACell) {
  if (FMemo && ACell && FMemo->GetCell() == ACell) Abandon();
}

void TDiagramTextEditor::DiagramDestroying() {
  if (!FMemo) return;
  FMemo->ForgetCell();
  FMemo->OnAccept = nullptr;
  FMemo->OnDiscard = nullptr;
  FMemo->OnTab = nullptr;
}

void TDiagramTextEditor::AfterPaint() {
  if (EditingText()) FMemo->FollowCell();
}

}  // namespace tarnwick
