#include "diagram/view/actions/DiagramEditActions.h"

#include "diagram/view/Diagram.h"

namespace tarnwick {

namespace {

bool NoMouseOperation(const TdvDiagram& ADiagram) { return ADiagram.GetMouseState() == msBrowsing; }

}  // namespace

bool TDiagramFocusedAction::Acts() const {
  const TdvDiagram* diagram = GetDiagram();
  return diagram && (!FOnlyFocused || diagram->Focused());
}

// ---- Delete ----

TDiagramDelete::TDiagramDelete(QObject* AParent) : TDiagramFocusedAction(AParent) { SetHint(QStringLiteral("Delete")); }

// A shortcut may come in before the enabled state caught up. While a drag holds on to
// controls, or the text editor has the key, deleting is not this command's business.
bool TDiagramDelete::Execute() {
  if (!Acts()) return false;
  if (!NoMouseOperation(*GetDiagram()) || GetDiagram()->EditingText()) return false;
  GetDiagram()->DeleteSelecteds();
  return true;
}

bool TDiagramDelete::Update() {
  const TdvDiagram* diagram = GetDiagram();
  setEnabled(Acts() && diagram->SelectedCount() > 0 && NoMouseOperation(*diagram) && !diagram->EditingText());
  return true;
}

// ---- Cut, copy, paste ----

bool TDiagramCopyBase::Execute() {
  if (!Acts()) return false;
  Run(*GetDiagram());
  return true;
}

bool TDiagramCopyBase::Update() {
  setEnabled(Acts() && GetDiagram()->CanCopy());
  return true;
}

TDiagramCut::TDiagramCut(QObject* AParent) : TDiagramCopyBase(AParent) { SetHint(QStringLiteral("Cut")); }

void TDiagramCut::Run(TdvDiagram& ADiagram) { ADiagram.CutToClipboard(); }

TDiagramCopy::TDiagramCopy(QObject* AParent) : TDiagramCopyBase(AParent) { SetHint(QStringLiteral("Copy")); }

void TDiagramCopy::Run(TdvDiagram& ADiagram) { ADiagram.CopyToClipboard(); }

TDiagramPaste::TDiagramPaste(QObject* AParent) : TDiagramFocusedAction(AParent) { SetHint(QStringLiteral("Paste")); }

bool TDiagramPaste::Execute() {
  if (!Acts()) return false;
  GetDiagram()->PasteFromClipboard();
  return true;
}

bool TDiagramPaste::Update() {
  setEnabled(Acts() && GetDiagram()->CanPaste());
  return true;
}

// ---- Undo, redo ----

// Undo reports the command as not handled when the focus rule stops it, as every other
// focused command does: a text box with the focus must get its own Ctrl+Z.
bool TDiagramUndoAction::Execute() {
  if (!Acts()) return false;
  GetDiagram()->Undo();
  return true;
}

bool TDiagramUndoAction::Update() {
  setEnabled(Acts() && !GetDiagram()->NextUndoAction().isEmpty());
  return true;
}

bool TDiagramRedoAction::Execute() {
  if (!Acts()) return false;
  GetDiagram()->Redo();
  return true;
}

bool TDiagramRedoAction::Update() {
  setEnabled(Acts() && !GetDiagram()->NextRedoAction().isEmpty());
  return true;
}

// ---- Select all ----

bool TDiagramSelectAll::Execute() {
  if (TdvDiagram* diagram = GetDiagram()) diagram->SelectAll();
  return true;
}

bool TDiagramSelectAll::Update() {
  const TdvDiagram* diagram = GetDiagram();
  setEnabled(diagram && NoMouseOperation(*diagram));
  return true;
}

// ---- Edit text ----

TDiagramEditText::TDiagramEditText(QObject* AParent) : TDiagramAction(AParent) { SetHint(QStringLiteral("Edit text")); }

TDiagramControl* TDiagramEditText::Target() const {
  const TdvDiagram* diagram = GetDiagram();
  if (!diagram || diagram->SelectedCount() == 0) return nullptr;
  TDiagramControl* control = diagram->GetSelecteds(0);
  if (control->IsMember()) control = control->GetMasterGroup();
  return control;
}

bool TDiagramEditText::Execute() {
  // The state may be stale when the command comes in by a shortcut: the rule is checked
  // again here.
  Update();
  if (!isEnabled()) return true;
  GetDiagram()->EditControlText(Target());
  return true;
}

bool TDiagramEditText::Update() {
  const TDiagramControl* target = Target();
  setEnabled(target && NoMouseOperation(*GetDiagram()) && !target->GetRestrictions().Contains(crNoEdit));
  return true;
}

}  // namespace tarnwick
