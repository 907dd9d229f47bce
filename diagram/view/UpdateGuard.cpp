// The diagram's update brackets: what opening and closing each kind does.
#include "diagram/view/UpdateGuard.h"

#include <exception>

#include "diagram/view/Diagram.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

void TDiagramUpdates::Enter(TUpdateKind AKind, const QString& ALabel) {
  switch (AKind) {
    case ukUpdate:
      if (FDepth[ukUpdate] == 0) FRedrawRequestCount = 0;
      break;
    case ukSelection:
      if (FDepth[ukSelection] == 0) {
        Fire(FDiagram.OnSelectionChanging, &FDiagram);
        FDiagram.DesignEvent(etSelectionChanging);
      }
      break;
    case ukOperation:
      if (FDepth[ukOperation] == 0) {
        FOperationLabel = ALabel;
        FModifiedPending = false;
      }
      break;
    case ukInternal:
    case ukPosition:
      break;
  }
  ++FDepth[AKind];
}

int TDiagramUpdates::Leave(TUpdateKind AKind, bool AOptimize) {
  int& depth = FDepth[AKind];
  switch (AKind) {
    case ukUpdate: {
      // An unbalanced EndUpdate still settles the extent and repaints.
      if (depth > 0) --depth;
      if (depth > 0) return -1;
      FDiagram.UpdateScrollRanges();
      if (!AOptimize) {
        FDiagram.RequestRedraw();
        return -1;
      }
      const int requests = FRedrawRequestCount;
      FRedrawRequestCount = 0;
      if (requests > 0) FDiagram.RequestRedraw();
      return requests;
    }
    case ukInternal:
      if (depth > 0) --depth;
      return -1;
    case ukPosition:
      if (depth <= 0) return -1;
      if (--depth == 0 && !FDiagram.IsDestroying()) {
        FDiagram.UpdateScrollRanges();
        FDiagram.RequestRedraw();
      }
      return -1;
    case ukSelection:
      if (depth > 0) --depth;
      if (depth == 0) {
        FDiagram.UpdateSelBlock();
        Fire(FDiagram.OnSelectionChanged, &FDiagram);
        FDiagram.DesignEvent(etSelectionChanged);
      }
      return -1;
    case ukOperation:
      if (depth <= 0) return -1;
      if (--depth == 0) OperationEnded();
      return -1;
  }
  return -1;
}

bool TDiagramUpdates::CountRedraw() {
  if (FDepth[ukUpdate] == 0) return false;
  ++FRedrawRequestCount;
  return true;
}

bool TDiagramUpdates::HoldModified() {
  if (FDepth[ukOperation] == 0) return false;
  FModifiedPending = true;
  return true;
}

void TDiagramUpdates::OperationEnded() {
  const QString label = FOperationLabel;
  FOperationLabel.clear();
  if (FModifiedPending) {
    FModifiedPending = false;
    FDiagram.Modified();
  }
  // The document is complete again here: the place where its state after the operation
  // is recorded for undo. An unlabelled bracket only gathers the change reports.
  if (label.isEmpty()) return;
  // The scroll position is stored with the document, and reading a document settles it
  // within the drawing's ranges: they are settled before the state is recorded, so the
  // step holds what reading it back gives (a programmatic resize or delete leaves them
  // as they were).
  FDiagram.UpdateScrollRanges();
  FDiagram.PushUndoStack(label);
  if (FDiagram.OnOperationEnd) FDiagram.OnOperationEnd(&FDiagram, label);
}

TDiagramUpdate::TDiagramUpdate(TdvDiagram& ADiagram, TUpdateKind AKind, bool AOptimize)
    : FUpdates(ADiagram.GetUpdates()), FKind(AKind), FOptimize(AOptimize), FUncaught(std::uncaught_exceptions()) {
  FUpdates.Enter(AKind);
}

TDiagramUpdate::TDiagramUpdate(TdvDiagram& ADiagram, const QString& AOperationLabel)
    : FUpdates(ADiagram.GetUpdates()), FKind(ukOperation), FOptimize(false), FUncaught(std::uncaught_exceptions()) {
  FUpdates.Enter(ukOperation, AOperationLabel);
}

TDiagramUpdate::~TDiagramUpdate() noexcept(false) {
  if (!FOpen) return;
  FOpen = false;
  CloseScope(FUncaught, [this] { FUpdates.Leave(FKind, FOptimize); });
}

int TDiagramUpdate::Close() {
  if (!FOpen) return -1;
  FOpen = false;
  return FUpdates.Leave(FKind, FOptimize);
}

}  // namespace tarnwick
