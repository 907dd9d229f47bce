#include "platform/core/Stream.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"

namespace tarnwick {

int64_t TStream::GetSize() {
  int64_t pos = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError(msg::SeekNotImplemented); }

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count < 0 || (Count != 0 && Read(Buffer, Count) != Count)) throw EReadError(msg::ReadError);
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count < 0 || (Count != 0 && Write(Buffer, Count) != Count)) throw EWriteError(msg::WriteError);
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.GetSize();
  }
  char buf[65536];
  int64_t left = Count;
  while (left > 0) {
    int64_t n = std::min<int64_t>(left, sizeof buf);
    Source.ReadBuffer(buf, n);
    WriteBuffer(buf, n);
    left -= n;
  }
  return Count;
}

QByteArray TStream::ReadAll() {
  int64_t n = std::max<int64_t>(0, Remaining());
  QByteArray out(static_cast<qsizetype>(n), Qt::Uninitialized);
  ReadBuffer(out.data(), n);
  return out;
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0 || FPosition >= FData.size()) return 0;
  int64_t n = std::min<int64_t>(Count, FData.size() - FPosition);
  std::memcpy(Buffer, FData.constData() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  int64_t end = FPosition + Count;
  if (end > std::numeric_limits<qsizetype>::max() / 2) throw EStreamError(msg::MemoryStreamError);
  if (end > FData.size()) FData.resize(static_cast<qsizetype>(end));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FData.size();
  // A position before the start is clamped; one past the end is allowed (a later write
  // grows the stream to it).
  FPosition = std::max<int64_t>(0, base + Offset);
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0 || NewSize > std::numeric_limits<qsizetype>::max() / 2) throw EStreamError(msg::MemoryStreamError);
  FData.resize(static_cast<qsizetype>(NewSize));
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  FData = Stream.ReadAll();
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) { Stream.WriteBuffer(FData); }

void TMemoryStream::LoadFromFile(const QString& FileName) {
  TFileStream f(FileName, fmOpenRead);
  LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const QString& FileName) {
  TFileStream f(FileName, fmCreate);
  SaveToStream(f);
}

TFileStream::TFileStream(const QString& FileName, uint16_t Mode)
    : FFileName(FileName), FFile(std::make_unique<QFile>(FileName)) {
  if (Mode == fmCreate) {
    if (!FFile->open(QIODevice::ReadWrite | QIODevice::Truncate))
      throw EFCreateError(msg::FCreateError, FileName, FFile->errorString());
    return;
  }
  QIODevice::OpenMode m = (Mode & 3) == fmOpenWrite       ? QIODevice::WriteOnly
                          : (Mode & 3) == fmOpenReadWrite ? QIODevice::ReadWrite
                                                          : QIODevice::ReadOnly;
  // Opening for writing never creates or truncates: that is what fmCreate is for.
  if (m != QIODevice::ReadOnly) m |= QIODevice::ExistingOnly;
  if (!FFile->open(m)) throw EFOpenError(msg::FOpenError, FileName, FFile->errorString());
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  qint64 n = FFile->read(static_cast<char*>(Buffer), Count);
  return n < 0 ? 0 : n;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  qint64 n = FFile->write(static_cast<const char*>(Buffer), Count);
  return n < 0 ? 0 : n;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FFile->pos() : FFile->size();
  FFile->seek(std::max<int64_t>(0, base + Offset));
  return FFile->pos();
}

int64_t TFileStream::GetSize() { return FFile->size(); }

void TFileStream::SetSize(int64_t NewSize) {
  if (!FFile->resize(NewSize)) throw EStreamError(msg::WriteError);
}

}  // namespace tarnwick
