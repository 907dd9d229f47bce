#include "diagram/libraries/LibraryItemFile.h"

#include <QtEndian>
#include <cstring>

#include "diagram/libraries/LibraryItem.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "streaming/Reader.h"

namespace tarnwick {

namespace {

constexpr uint8_t OrdinalMarker = 0xFF;
constexpr uint16_t RawDataType = 10;
constexpr uint16_t ResourceFlags = 0x1030;
constexpr int MaxResourceName = 64;
constexpr int EmptyEntrySize = 32;

const QByteArray& ItemClassName() {
  static const QByteArray name = TDgrLibraryItem::StaticClassInfo().ClassName().toLatin1();
  return name;
}

[[noreturn]] void Damaged(const char* AWhat) {
  throw EReadError(QStringLiteral("Damaged library item: %1").arg(QLatin1String(AWhat)));
}

// Bounds-checked little-endian reads over the file's bytes.
class TByteCursor {
 public:
  explicit TByteCursor(const QByteArray& ABytes) : FBytes(ABytes) {}
  qsizetype Pos() const { return FPos; }
  qsizetype Left() const { return FBytes.size() - FPos; }
  void Skip(qsizetype N) {
    if (N < 0 || N > Left()) Damaged("the header runs past the end of the file");
    FPos += N;
  }
  uint8_t U8() { return static_cast<uint8_t>(Take(1)[0]); }
  uint16_t U16() { return qFromLittleEndian<uint16_t>(Take(2)); }
  uint32_t U32() { return qFromLittleEndian<uint32_t>(Take(4)); }

 private:
  const char* Take(qsizetype N) {
    const char* at = FBytes.constData() + FPos;
    Skip(N);
    return at;
  }
  const QByteArray& FBytes;
  qsizetype FPos = 0;
};

// The 32-bit resource file form begins with this entry: no data, a 32-byte header, type
// and name both ordinal 0, and nothing else.
bool StartsWithEmptyEntry(const QByteArray& ABytes) {
  static const unsigned char entry[EmptyEntrySize] = {0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};
  return ABytes.size() >= EmptyEntrySize && std::memcmp(ABytes.constData(), entry, EmptyEntrySize) == 0;
}

// The 16-bit header; returns the data that follows it.
QByteArray Data16(const QByteArray& ABytes) {
  TByteCursor c(ABytes);
  c.Skip(1);
  if (c.Left() < 2 || c.U16() != RawDataType) throw EReadError(msg::InvalidStreamFormat);
  int nameLength = 0;
  while (c.U8() != 0)
    if (++nameLength > MaxResourceName) Damaged("the resource name is not terminated");
  c.U16();  // flags: any value is accepted
  const uint32_t length = c.U32();
  if (length > static_cast<uint64_t>(c.Left())) Damaged("the stored length runs past the end of the file");
  return ABytes.mid(c.Pos(), static_cast<qsizetype>(length));
}

// A type or name field of a 32-bit resource header: an ordinal, or a zero-terminated
// UTF-16 string. Returns the ordinal, or -1 for a string.
int ReadTypeOrName(TByteCursor& C, qsizetype AHeaderEnd) {
  for (bool first = true; C.Pos() < AHeaderEnd; first = false) {
    const uint16_t unit = C.U16();
    if (first && unit == 0xFFFF) return C.U16();
    if (unit == 0) return -1;
  }
  Damaged("a resource name runs past its header");
}

// The 32-bit form: the empty entry, then the item's entry.
QByteArray Data32(const QByteArray& ABytes) {
  TByteCursor c(ABytes);
  c.Skip(EmptyEntrySize);
  const qsizetype start = c.Pos();
  const uint32_t dataSize = c.U32();
  const uint32_t headerSize = c.U32();
  if (headerSize < 24 || headerSize > static_cast<uint64_t>(ABytes.size() - start))
    Damaged("the resource header size is wrong");
  const qsizetype headerEnd = start + static_cast<qsizetype>(headerSize);
  if (ReadTypeOrName(c, headerEnd) != RawDataType) throw EReadError(msg::InvalidStreamFormat);
  ReadTypeOrName(c, headerEnd);
  if (c.Pos() > headerEnd) Damaged("the resource header size is wrong");
  if (dataSize > static_cast<uint64_t>(ABytes.size() - headerEnd))
    Damaged("the stored length runs past the end of the file");
  return ABytes.mid(headerEnd, static_cast<qsizetype>(dataSize));
}

}  // namespace

QByteArray LibraryItemToBytes(TDgrLibraryItem* AItem) {
  TMemoryStream body;
  WriteComponent(body, AItem);
  const QByteArray& data = body.Bytes();

  QByteArray out;
  const QByteArray name = ItemClassName().toUpper().left(MaxResourceName);
  out.reserve(1 + 2 + name.size() + 1 + 2 + 4 + data.size());
  out.append(char(OrdinalMarker));
  char word[4];
  qToLittleEndian<uint16_t>(RawDataType, word);
  out.append(word, 2);
  out.append(name);
  out.append('\0');
  qToLittleEndian<uint16_t>(ResourceFlags, word);
  out.append(word, 2);
  qToLittleEndian<uint32_t>(static_cast<uint32_t>(data.size()), word);
  out.append(word, 4);
  out.append(data);
  return out;
}

void LibraryItemFromBytes(const QByteArray& ABytes, TDgrLibraryItem* AItem) {
  if (ABytes.size() > MaxLibraryItemFileSize) Damaged("the file is too large");
  QByteArray data;
  if (!ABytes.isEmpty() && static_cast<uint8_t>(ABytes[0]) == OrdinalMarker)
    data = Data16(ABytes);
  else if (StartsWithEmptyEntry(ABytes))
    data = Data32(ABytes);
  else
    throw EReadError(msg::InvalidStreamFormat);

  // Read into a scratch item, so a read that fails half-way changes nothing. Only the
  // item's own record is read: a library item has no children, and a record of any other
  // class is not an item (reading it would make objects the file has no business making).
  TOwned<TDgrLibraryItem> scratch = MakeOwned<TDgrLibraryItem>(nullptr);
  TMemoryStream stream(data);
  TReader reader(stream);
  reader.ReadSignature();
  TFilerFlags flags;
  int position = 0;
  reader.ReadPrefix(flags, position);
  if (reader.ReadStr().compare(TDgrLibraryItem::StaticClassInfo().ClassName(), Qt::CaseInsensitive) != 0)
    Damaged("the file holds no library item");
  reader.ReadStr();  // the record's name: items are known by their file name
  while (!reader.EndOfList()) reader.ReadProperty(scratch.get());
  reader.ReadListEnd();
  if (!reader.EndOfList()) Damaged("the item holds child objects");
  reader.ReadListEnd();
  if (reader.BytesLeft() != 0) Damaged("the stored length does not match the item");
  AItem->Assign(scratch.get());
}

}  // namespace tarnwick
