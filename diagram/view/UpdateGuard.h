#pragma once
// Update brackets of a diagram. A bracket is opened and closed around work that changes
// many things at once, so the diagram reacts once when the outermost bracket closes:
//
//   ukUpdate     repaints and scroll ranges wait; repaint requests are counted
//   ukInternal   programmatic work: no change reports, scroll ranges wait
//   ukPosition   controls move or leave in bulk: scroll ranges and a repaint at the end
//   ukSelection  one "selection changing" before and one "selection changed" after
//   ukOperation  one user operation: one change report when it ends, and the point where
//                the document's state after the operation is handed on (an undo stack
//                takes its snapshot there)
//
// Code opens brackets with TDiagramUpdate, which closes them however the scope is left.
// The public BeginUpdate/EndUpdate pair of the diagram goes through the same counters.
#include <QString>

namespace tarnwick {

class TdvDiagram;

enum TUpdateKind { ukUpdate, ukInternal, ukPosition, ukSelection, ukOperation };

// The bracket counters of one diagram and what happens when a bracket opens and closes.
class TDiagramUpdates {
 public:
  explicit TDiagramUpdates(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  TDiagramUpdates(const TDiagramUpdates&) = delete;
  TDiagramUpdates& operator=(const TDiagramUpdates&) = delete;

  // An operation's label is kept from its outermost bracket.
  void Enter(TUpdateKind AKind, const QString& ALabel = QString());
  // Closing an update bracket returns what TdvDiagram::EndUpdate returns; the others -1.
  // Closing a bracket that is not open does nothing.
  int Leave(TUpdateKind AKind, bool AOptimize = false);
  int Depth(TUpdateKind AKind) const { return FDepth[AKind]; }
  bool Inside(TUpdateKind AKind) const { return FDepth[AKind] > 0; }

  // A repaint request inside an update bracket is only counted: true when it was.
  bool CountRedraw();
  // A change report inside an operation waits for its end: true when it was held back.
  bool HoldModified();

 private:
  void OperationEnded();

  TdvDiagram& FDiagram;
  int FDepth[ukOperation + 1] = {};
  int FRedrawRequestCount = 0;
  bool FModifiedPending = false;
  QString FOperationLabel;
};

// Opens a bracket for the length of a scope. On the normal path the closing runs as the
// kind's End call would (and its errors reach the caller); while an error leaves the
// scope, the bracket is still closed and the first error is the one reported.
class TDiagramUpdate {
 public:
  // AOptimize is EndUpdate's: with it an update bracket repaints only when asked to.
  TDiagramUpdate(TdvDiagram& ADiagram, TUpdateKind AKind, bool AOptimize = false);
  // A user operation with the label its undo step will carry; without a label the bracket
  // only gathers the change reports into one.
  TDiagramUpdate(TdvDiagram& ADiagram, const QString& AOperationLabel);
  ~TDiagramUpdate() noexcept(false);
  // Closes the bracket before the scope ends; returns what Leave returns.
  int Close();
  TDiagramUpdate(const TDiagramUpdate&) = delete;
  TDiagramUpdate& operator=(const TDiagramUpdate&) = delete;

 private:
  TDiagramUpdates& FUpdates;
  TUpdateKind FKind;
  bool FOptimize;
  bool FOpen = true;
  int FUncaught;
};

}  // namespace tarnwick
