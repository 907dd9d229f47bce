// The diagram's undo and redo: the history is kept by TDiagramUndoStack; here the diagram
// takes its steps, after ending whatever the mouse was doing with the controls a step
// replaces.
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramUndoStack.h"
#include "diagram/view/interaction/DiagramTools.h"

namespace tarnwick {

void TdvDiagram::AfterConstruction() {
  TDiagramPublished::AfterConstruction();
  FUndoStack->Reset();
}

void TdvDiagram::PushUndoStack(const QString& AActionName) {
  if (IsLoading() || IsDestroying()) return;
  FUndoStack->Push(AActionName);
}

namespace {

// A drag, and the text editor, hold on to controls a step is about to replace. The drag is
// cancelled; the text typed so far is kept as a step of its own, which the undo then takes
// back first.
void EndInteraction(TdvDiagram& D, TDiagramTools& ATools) {
  ATools.Active().Cancel();
  if (D.EditingText()) D.CloseEditor(true);
}

}  // namespace

void TdvDiagram::Undo() {
  EndInteraction(*this, *FTools);
  if (FUndoStack->StepBack()) Modified();
  RequestRedraw();
}

void TdvDiagram::Redo() {
  EndInteraction(*this, *FTools);
  if (FUndoStack->StepForward()) Modified();
  RequestRedraw();
}

QString TdvDiagram::NextUndoAction() const { return FUndoStack->NextUndoAction(); }
QString TdvDiagram::NextRedoAction() const { return FUndoStack->NextRedoAction(); }
void TdvDiagram::ClearUndoStack() { FUndoStack->Reset(); }

void TdvDiagram::RestoreSnapshot(TStream& AStream) {
  // Inside an internal update the load leaves the history alone.
  TDiagramUpdate internal(*this, ukInternal);
  LoadFromStream(AStream, false);
}

}  // namespace tarnwick
