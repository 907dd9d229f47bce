#pragma once
// Small helpers shared by the stream tests.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstring>
#include <functional>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "tests/streaming/ByteBuilder.h"

namespace tarnwick::test {

// The message of the exception F raises, or "no error".
inline QString ErrorOf(const std::function<void()>& F) {
  try {
    F();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QStringLiteral("no error");
}

// A root TSampleShape record named S holding one property line and no children.
inline QByteArray OnePropertyStream(const QByteArray& Name, const QByteArray& Value) {
  return Bytes().Signature().Str("TSampleShape").Str("S").Prop(Name).Raw(Value).End().End();
}

// A stream that is not a memory stream and hands out at most Chunk bytes per Read, so the
// reader's buffered path and its refills are exercised.
class TTrickleStream : public TStream {
 public:
  explicit TTrickleStream(QByteArray Data, int64_t Chunk = 7) : FData(std::move(Data)), FChunk(Chunk) {}
  int64_t Read(void* Buffer, int64_t Count) override {
    int64_t n = std::min({Count, FChunk, static_cast<int64_t>(FData.size()) - FPos});
    if (n <= 0) return 0;
    std::memcpy(Buffer, FData.constData() + FPos, static_cast<size_t>(n));
    FPos += n;
    return n;
  }
  int64_t Write(const void* Buffer, int64_t Count) override {
    if (FPos + Count > FData.size()) FData.resize(FPos + Count);
    std::memcpy(FData.data() + FPos, Buffer, static_cast<size_t>(Count));
    FPos += Count;
    return Count;
  }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
    int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPos : FData.size();
    FPos = std::max<int64_t>(0, base + Offset);
    return FPos;
  }
  const QByteArray& Data() const { return FData; }

 private:
  QByteArray FData;
  int64_t FChunk;
  int64_t FPos = 0;
};

}  // namespace tarnwick::test
