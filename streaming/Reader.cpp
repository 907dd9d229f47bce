// TReader: the buffer and the value primitives.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "streaming/Extended.h"
#include "streaming/Hooks.h"
#include "streaming/ReaderInternals.h"

namespace tarnwick {

namespace {

float SingleFromBits(uint32_t bits) {
  float v;
  std::memcpy(&v, &bits, 4);
  return v;
}

}  // namespace

TReader::TReader(TStream& Stream, int BufSize) : FStream(Stream) {
  EnsureStreamingHooks();
  int64_t pos = Stream.GetPosition();
  if (auto* memory = dynamic_cast<TMemoryStream*>(&Stream)) {
    // Read a memory stream in place: no copy, and every length check sees the true end.
    int64_t size = memory->GetSize();
    pos = std::min(pos, size);
    FBase = reinterpret_cast<const uint8_t*>(memory->Memory());
    FPtr = FBase + pos;
    FEnd = FBase + size;
    FEndPos = size;
    FStreamSize = size;
    FInPlace = true;
    return;
  }
  FBuffer.resize(static_cast<size_t>(std::max(BufSize, 512)));
  FBase = FPtr = FEnd = FBuffer.data();
  FEndPos = pos;
  FStreamSize = std::max(pos, Stream.GetSize());
}

TReader::~TReader() {
  try {
    FlushBuffer();
  } catch (...) {
    // A destructor cannot report; the position is only a courtesy to the caller.
  }
}

int64_t TReader::GetPosition() const { return FEndPos - (FEnd - FPtr); }

int64_t TReader::BytesLeft() const { return FStreamSize - GetPosition(); }

void TReader::FlushBuffer() {
  int64_t pos = GetPosition();
  FStream.Seek(pos, soBeginning);
  if (!FInPlace) {
    FPtr = FEnd = FBase;
    FEndPos = pos;
  }
}

void TReader::ReadFailed() { throw EReadError(msg::ReadError); }

void TReader::InvalidValue() { throw EReadError(msg::InvalidPropValue); }

bool TReader::Refill(size_t Need) {
  if (FInPlace || Need > FBuffer.size()) return false;
  size_t left = static_cast<size_t>(FEnd - FPtr);
  std::memmove(FBuffer.data(), FPtr, left);
  FPtr = FBuffer.data();
  FEnd = FPtr + left;
  while (static_cast<size_t>(FEnd - FPtr) < Need) {
    int64_t n = FStream.Read(const_cast<uint8_t*>(FEnd), static_cast<int64_t>(FBuffer.size() - (FEnd - FPtr)));
    if (n <= 0) return false;
    FEnd += n;
    FEndPos += n;
  }
  return true;
}

void TReader::Read(void* Buffer, int64_t Count) {
  if (Count <= 0) return;
  if (Count > BytesLeft()) ReadFailed();
  auto* out = static_cast<uint8_t*>(Buffer);
  auto n = static_cast<size_t>(Count);
  size_t have = std::min(n, static_cast<size_t>(FEnd - FPtr));
  std::memcpy(out, FPtr, have);
  FPtr += have;
  n -= have;
  if (n == 0) return;
  if (FInPlace) ReadFailed();
  if (n >= FBuffer.size()) {
    // Long values go straight to their destination; a stream may deliver them piecemeal.
    out += have;
    while (n > 0) {
      int64_t got = FStream.Read(out, static_cast<int64_t>(n));
      if (got <= 0) ReadFailed();
      out += got;
      n -= static_cast<size_t>(got);
      FEndPos += got;
    }
    return;
  }
  Need(n);
  std::memcpy(out + have, FPtr, n);
  FPtr += n;
}

void TReader::SkipBytes(int64_t Count) {
  if (Count < 0 || Count > BytesLeft()) ReadFailed();
  auto inBuffer = static_cast<int64_t>(FEnd - FPtr);
  if (Count <= inBuffer) {
    FPtr += Count;
    return;
  }
  // Past the buffer: move the stream instead of reading the bytes.
  int64_t target = GetPosition() + Count;
  FStream.Seek(target, soBeginning);
  FPtr = FEnd = FBase;
  FEndPos = target;
}

int32_t TReader::ReadLength() {
  int32_t n = ReadLE<int32_t>();
  if (n < 0 || n > BytesLeft()) ReadFailed();
  return n;
}

void TReader::ReadSignature() {
  char sig[4];
  if (BytesLeft() < 4) throw EReadError(msg::InvalidStreamFormat);
  Read(sig, 4);
  if (std::memcmp(sig, FilerSignature, 4) != 0) throw EReadError(msg::InvalidStreamFormat);
}

void TReader::ReadPrefix(TFilerFlags& Flags, int& ChildPos) {
  Flags = {};
  ChildPos = 0;
  Need(1);
  if ((*FPtr & 0xF0) != 0xF0) return;
  Flags = TFilerFlags::FromMask(*FPtr++ & 0x0F);
  if (Flags.Contains(ffChildPos)) ChildPos = ReadInteger();
}

std::string_view TReader::ReadUtf8Str() {
  Need(1);
  size_t n = *FPtr;
  Need(1 + n);
  std::string_view s(reinterpret_cast<const char*>(FPtr + 1), n);
  FPtr += 1 + n;
  return s;
}

QString TReader::ReadStr() {
  std::string_view s = ReadUtf8Str();
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TValueType TReader::ReadValue() {
  Need(1);
  return static_cast<TValueType>(*FPtr++);
}

TValueType TReader::NextValue() {
  Need(1);
  return static_cast<TValueType>(*FPtr);
}

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() != Value) InvalidValue();
}

int64_t TReader::ReadIntPayload(TValueType Tag) {
  switch (Tag) {
    case vaInt8:
      return ReadLE<int8_t>();
    case vaInt16:
      return ReadLE<int16_t>();
    case vaInt32:
      return ReadLE<int32_t>();
    case vaInt64:
      return ReadLE<int64_t>();
    default:
      InvalidValue();
  }
}

int32_t TReader::ReadInteger() {
  TValueType tag = ReadValue();
  if (!IsIntegerValue(tag)) InvalidValue();
  return static_cast<int32_t>(ReadIntPayload(tag));
}

int64_t TReader::ReadInt64() {
  TValueType tag = ReadValue();
  if (!IsIntegerValue(tag) && tag != vaInt64) InvalidValue();
  return ReadIntPayload(tag);
}

bool TReader::ReadBoolean() {
  TValueType tag = ReadValue();
  if (tag == vaTrue) return true;
  if (tag == vaFalse) return false;
  InvalidValue();
}

double TReader::ReadDoublePayload() {
  uint64_t bits = ReadLE<uint64_t>();
  double v;
  std::memcpy(&v, &bits, 8);
  if (!std::isfinite(v)) InvalidValue();
  return v;
}

double TReader::ReadFloat() {
  TValueType tag = ReadValue();
  if (tag == vaExtended) {
    TExtended80 e;
    Read(e.data(), 10);
    double v;
    if (!ExtendedToDouble(e, v)) InvalidValue();
    return v;
  }
  if (tag == vaDouble) return ReadDoublePayload();
  if (IsIntegerValue(tag) || tag == vaInt64) return static_cast<double>(ReadIntPayload(tag));
  InvalidValue();
}

TExtended80 TReader::ReadExtended() {
  CheckValue(vaExtended);
  TExtended80 e;
  Read(e.data(), 10);
  double v;
  if (!ExtendedToDouble(e, v)) InvalidValue();
  return e;
}

float TReader::ReadSingle() {
  TValueType tag = ReadValue();
  if (tag == vaSingle) {
    float v = SingleFromBits(ReadLE<uint32_t>());
    if (!std::isfinite(v)) InvalidValue();
    return v;
  }
  if (IsIntegerValue(tag) || tag == vaInt64) return static_cast<float>(ReadIntPayload(tag));
  InvalidValue();
}

double TReader::ReadDate() {
  TValueType tag = ReadValue();
  if (tag == vaDate) return ReadDoublePayload();
  if (IsIntegerValue(tag) || tag == vaInt64) return static_cast<double>(ReadIntPayload(tag));
  InvalidValue();
}

int64_t TReader::ReadCurrency() {
  TValueType tag = ReadValue();
  if (tag == vaCurrency) return ReadLE<int64_t>();
  if (IsIntegerValue(tag) || tag == vaInt64) {
    int64_t v = ReadIntPayload(tag);
    if (v > std::numeric_limits<int64_t>::max() / 10000 || v < std::numeric_limits<int64_t>::min() / 10000)
      InvalidValue();
    return v * 10000;
  }
  InvalidValue();
}

QString TReader::ReadStringPayload(TValueType Tag) {
  switch (Tag) {
    case vaString: {
      std::string_view s = ReadUtf8Str();
      // Single-byte characters: Latin-1, which our writer only ever fills with ASCII.
      return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    }
    case vaLString: {
      int32_t n = ReadLength();
      QByteArray bytes(n, Qt::Uninitialized);
      Read(bytes.data(), n);
      return QString::fromLatin1(bytes);
    }
    case vaUTF8String: {
      int32_t n = ReadLength();
      if (static_cast<size_t>(FEnd - FPtr) >= static_cast<size_t>(n)) {
        QString s = QString::fromUtf8(reinterpret_cast<const char*>(FPtr), n);
        FPtr += n;
        return s;
      }
      QByteArray bytes(n, Qt::Uninitialized);
      Read(bytes.data(), n);
      return QString::fromUtf8(bytes);
    }
    case vaWString: {
      int32_t n = ReadLE<int32_t>();
      if (n < 0 || n > BytesLeft() / 2) ReadFailed();
      QString s(n, Qt::Uninitialized);
      auto* out = reinterpret_cast<char16_t*>(s.data());
      for (int32_t i = 0; i < n;) {
        Need(2);
        // Convert what the buffer holds in one go; a unit split across refills waits.
        int32_t chunk = std::min<int32_t>(n - i, static_cast<int32_t>((FEnd - FPtr) / 2));
        for (int32_t k = 0; k < chunk; ++k, FPtr += 2) out[i + k] = static_cast<char16_t>(FPtr[0] | (FPtr[1] << 8));
        i += chunk;
      }
      return s;
    }
    default:
      InvalidValue();
  }
}

QString TReader::ReadString() {
  TValueType tag = ReadValue();
  if (!IsStringValue(tag)) InvalidValue();
  return ReadStringPayload(tag);
}

std::string TReader::ReadUtf8Ident() {
  switch (ReadValue()) {
    case vaIdent: {
      std::string_view s = ReadUtf8Str();
      return std::string(s);
    }
    case vaFalse:
      return "False";
    case vaTrue:
      return "True";
    case vaNil:
      return "nil";
    case vaNull:
      return "Null";
    default:
      InvalidValue();
  }
}

QString TReader::ReadIdent() { return QString::fromStdString(ReadUtf8Ident()); }

QByteArray TReader::ReadBinary() {
  CheckValue(vaBinary);
  int32_t n = ReadLength();
  QByteArray bytes(n, Qt::Uninitialized);
  Read(bytes.data(), n);
  return bytes;
}

}  // namespace tarnwick
