#include "diagram/view/DiagramUndoStack.h"

#include <zstd.h>

#include <algorithm>

#include "diagram/view/Diagram.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace tarnwick {

namespace {

// zstd's fastest regular level: a push is part of every mouse operation and must stay
// quick. On document streams it packs ten megabytes in a few milliseconds, to a third of
// what zlib's fastest level leaves.
constexpr int CompressionLevel = 1;

[[noreturn]] void PackingFailed() { throw EWriteError(msg::WriteError); }

// A write-only stream that packs what is written to it as it arrives.
class TPackingStream : public TStream {
 public:
  TPackingStream() : FContext(ZSTD_createCCtx()) {
    if (!FContext || ZSTD_isError(ZSTD_CCtx_setParameter(FContext, ZSTD_c_compressionLevel, CompressionLevel)))
      PackingFailed();
  }
  ~TPackingStream() override { ZSTD_freeCCtx(FContext); }
  TPackingStream(const TPackingStream&) = delete;
  TPackingStream& operator=(const TPackingStream&) = delete;

  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void* Buffer, int64_t Count) override {
    if (Count <= 0) return 0;
    ZSTD_inBuffer in{Buffer, static_cast<size_t>(Count), 0};
    while (in.pos < in.size) Compress(in, ZSTD_e_continue);
    FSize += Count;
    return Count;
  }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
    // Only asking for the position is meaningful: the packed bytes cannot be rewritten.
    if (Offset != 0 || Origin == soBeginning) PackingFailed();
    return FSize;
  }
  int64_t GetSize() override { return FSize; }

  // Ends the frame; the packed bytes and the size they unpack to.
  QByteArray Finish() {
    ZSTD_inBuffer in{nullptr, 0, 0};
    while (Compress(in, ZSTD_e_end) != 0) {
    }
    FPacked.truncate(FUsed);
    FPacked.squeeze();
    return FPacked;
  }
  qsizetype StateSize() const { return static_cast<qsizetype>(FSize); }

 private:
  // One round of the compressor; returns what zstd still has to flush.
  size_t Compress(ZSTD_inBuffer& AIn, ZSTD_EndDirective AMode) {
    if (FPacked.size() - FUsed < static_cast<qsizetype>(ZSTD_CStreamOutSize()))
      FPacked.resize(std::max<qsizetype>(FPacked.size() * 2, FUsed + static_cast<qsizetype>(ZSTD_CStreamOutSize())));
    ZSTD_outBuffer out{FPacked.data() + FUsed, static_cast<size_t>(FPacked.size() - FUsed), 0};
    const size_t left = ZSTD_compressStream2(FContext, &out, &AIn, AMode);
    if (ZSTD_isError(left)) PackingFailed();
    FUsed += static_cast<qsizetype>(out.pos);
    return left;
  }

  ZSTD_CCtx* FContext;
  QByteArray FPacked;
  qsizetype FUsed = 0;
  int64_t FSize = 0;
};

QByteArray Pack(const QByteArray& AState) {
  TPackingStream packing;
  packing.WriteBuffer(AState);
  return packing.Finish();
}

QByteArray Unpack(const QByteArray& APacked, qsizetype ASize) {
  QByteArray state(ASize, Qt::Uninitialized);
  const size_t n = ZSTD_decompress(state.data(), static_cast<size_t>(state.size()), APacked.constData(),
                                   static_cast<size_t>(APacked.size()));
  if (ZSTD_isError(n) || n != static_cast<size_t>(ASize)) return {};
  return state;
}

}  // namespace

TDiagramUndoItem::TDiagramUndoItem(QString AActionName, const QByteArray& AState)
    : FActionName(std::move(AActionName)), FState(Pack(AState)), FStateSize(AState.size()) {}

TDiagramUndoItem::TDiagramUndoItem(QString AActionName, QByteArray APacked, qsizetype AStateSize)
    : FActionName(std::move(AActionName)), FState(std::move(APacked)), FStateSize(AStateSize) {}

QByteArray TDiagramUndoItem::State() const { return Unpack(FState, FStateSize); }

void TDiagramUndoStack::Reset() {
  FItems.clear();
  FCurrent = -1;
  Push(QString());
}

void TDiagramUndoStack::Push(const QString& AActionName) {
  TPackingStream stream;
  FDiagram.SaveToStream(stream, false);
  QByteArray packed = stream.Finish();
  auto item = std::make_unique<TDiagramUndoItem>(AActionName, std::move(packed), stream.StateSize());
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
