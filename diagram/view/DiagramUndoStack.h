#pragma once
// The diagram's undo history: whole-document snapshots in binary form, each labelled with
// the operation that produced it. Items 0..Current are the history up to the present
// state, the ones after it the states a redo brings back. At most ten are kept, so nine
// steps can be undone.
//
// Snapshots are kept compressed: a document of ten thousand controls is megabytes in
// binary form, and its neighbouring states differ little, which compression exploits well
// enough that the full stack costs less than a tenth of one uncompressed snapshot. The
// compressor is fast enough (a few milliseconds for ten megabytes) to run as part of the
// push, on the bytes as the document writes them, so the whole uncompressed state is never
// held at once.
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace tarnwick {

class TObject;
class TStream;
class TdvDiagram;

class TDiagramUndoItem {
 public:
  // Takes the state in binary form and packs it.
  TDiagramUndoItem(QString AActionName, const QByteArray& AState);
  // Takes a state packed already: APacked unpacks to AStateSize bytes.
  TDiagramUndoItem(QString AActionName, QByteArray APacked, qsizetype AStateSize);
  const QString& ActionName() const { return FActionName; }
  // The document stream of this state (binary form); empty should the packed bytes not
  // unpack, which a restore then reports as a read error.
  QByteArray State() const;
  qsizetype StoredSize() const { return FState.size(); }
  // A spare reference for applications; the diagram never sets or follows it.
  TObject* Obj = nullptr;

 private:
  QString FActionName;
  QByteArray FState;  // the compressed bytes
  qsizetype FStateSize = 0;
};

class TDiagramUndoStack {
 public:
  static constexpr int MaxItems = 10;

  explicit TDiagramUndoStack(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  TDiagramUndoStack(const TDiagramUndoStack&) = delete;
  TDiagramUndoStack& operator=(const TDiagramUndoStack&) = delete;

  // Forgets the history; the current state becomes the only item, with an empty name.
  void Reset();
  // Records the diagram's current state as the result of AActionName; the redo states go.
  void Push(const QString& AActionName);
  // Reloads the state before (after) the current one; false at the end of the history.
  bool StepBack();
  bool StepForward();
  QString NextUndoAction() const;
  QString NextRedoAction() const;

  int Count() const { return static_cast<int>(FItems.size()); }
  int Current() const { return FCurrent; }
  const TDiagramUndoItem& Item(int Index) const { return *FItems[Index]; }
  // The bytes the snapshots occupy, compressed as they are kept.
  qsizetype StoredBytes() const;

 private:
  void Restore(int AIndex);
  // Replaces the document by AStream's state (see DiagramDocument.cpp); should the read
  // fail, the state of item ARollbackIndex is read back.
  void ReadState(TStream& AStream, int ARollbackIndex);

  TdvDiagram& FDiagram;
  std::vector<std::unique_ptr<TDiagramUndoItem>> FItems;
  int FCurrent = -1;
};

}  // namespace tarnwick
