#include "diagram/view/DiagramUndoStack.h"

#include <system_error>

#include "diagram/view/Diagram.h"
#include "platform/core/Stream.h"

namespace tarnwick {

namespace {

// Fast zlib level: a push is part of every mouse operation and must stay quick.
constexpr int CompressionLevel = 1;

// Packs on a worker thread; where no thread can be started, here and now.
std::shared_future<QByteArray> Pack(const QByteArray& AState) {
  try {
    // The task lets go of the uncompressed bytes as soon as they are packed: a task's
    // state lives as long as its future, and would otherwise keep every state twice.
    return std::async(std::launch::async, [state = AState]() mutable {
             const QByteArray bytes = std::move(state);
             return qCompress(bytes, CompressionLevel);
           }).share();
  } catch (const std::system_error&) {
    std::promise<QByteArray> done;
    done.set_value(qCompress(AState, CompressionLevel));
    return done.get_future().share();
  }
}

}  // namespace

TDiagramUndoItem::TDiagramUndoItem(QString AActionName, QByteArray AState)
    : FActionName(std::move(AActionName)), FState(Pack(AState)) {}

QByteArray TDiagramUndoItem::State() const { return qUncompress(FState.get()); }

void TDiagramUndoStack::Reset() {
  FItems.clear();
  FCurrent = -1;
  Push(QString());
}

void TDiagramUndoStack::Push(const QString& AActionName) {
  TMemoryStream stream;
  stream.Reserve(FLastStateSize + FLastStateSize / 8);
  FDiagram.SaveToStream(stream, false);
  FLastStateSize = stream.Bytes().size();
  auto item = std::make_unique<TDiagramUndoItem>(AActionName, stream.Bytes());
  // Only once the state is written is the redo branch given up: a failed write keeps it.
  FItems.resize(static_cast<size_t>(FCurrent + 1));
  FItems.push_back(std::move(item));
  ++FCurrent;
  if (Count() > MaxItems) {
    FItems.erase(FItems.begin());
    --FCurrent;
  }
}

void TDiagramUndoStack::Restore(int AIndex) {
  TMemoryStream stream(FItems[AIndex]->State());
  ReadState(stream, FCurrent);
}

bool TDiagramUndoStack::StepBack() {
  if (FCurrent <= 0 || FCurrent > Count()) return false;
  Restore(FCurrent - 1);
  --FCurrent;
  return true;
}

bool TDiagramUndoStack::StepForward() {
  if (FCurrent < -1 || FCurrent >= Count() - 1) return false;
  Restore(FCurrent + 1);
  ++FCurrent;
  return true;
}

QString TDiagramUndoStack::NextUndoAction() const {
  return FCurrent >= 0 && FCurrent < Count() ? FItems[FCurrent]->ActionName() : QString();
}

QString TDiagramUndoStack::NextRedoAction() const {
  return FCurrent >= -1 && FCurrent < Count() - 1 ? FItems[FCurrent + 1]->ActionName() : QString();
}

qsizetype TDiagramUndoStack::StoredBytes() const {
  qsizetype total = 0;
  for (const auto& item : FItems) total += item->StoredSize();
  return total;
}

}  // namespace tarnwick
