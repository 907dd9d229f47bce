// The bytes of a .dgo file: the layout written out by hand, both resource header forms,
// and the damage a reader must refuse instead of registering half an item.
#include <QImage>
#include <QtEndian>

#include "LibraryFixture.h"
#include "platform/core/Exception.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QByteArray LE16(uint16_t V) {
  char b[2];
  qToLittleEndian(V, b);
  return QByteArray(b, 2);
}
QByteArray LE32(uint32_t V) {
  char b[4];
  qToLittleEndian(V, b);
  return QByteArray(b, 4);
}
// A short string of the object stream: length byte and bytes.
QByteArray Short(const QByteArray& S) { return char(S.size()) + S; }
// A string property with a short ASCII value.
QByteArray StrProp(const QByteArray& AName, const QByteArray& AValue) {
  return Short(AName) + char(6) + Short(AValue);
}

// The object stream of an item, by hand.
QByteArray BoxStream() {
  return "TPF0" + Short("TDgrLibraryItem") + Short("") + StrProp("ItemName", "Box") + StrProp("Category", "Shapes") +
         StrProp("Caption", "A box") + StrProp("Data", "x") + QByteArray(2, '\0');
}

QByteArray Header16(uint32_t ALength) {
  return QByteArray(1, char(0xFF)) + LE16(10) + QByteArray("TDGRLIBRARYITEM") + '\0' + LE16(0x1030) + LE32(ALength);
}

// The 32-bit resource file form: the empty entry, then the item's entry with an ordinal
// type and a string name, then the data padded to four bytes.
QByteArray Resource32(const QByteArray& AData, const QByteArray& ATypeField = LE16(0xFFFF) + LE16(10)) {
  QByteArray empty = LE32(0) + LE32(32) + LE16(0xFFFF) + LE16(0) + LE16(0xFFFF) + LE16(0) + QByteArray(16, '\0');
  QByteArray name;
  for (char c : QByteArray("TDGRLIBRARYITEM")) name += LE16(uint16_t(c));
  name += LE16(0);
  QByteArray fields = ATypeField + name;
  while ((8 + fields.size()) % 4) fields += '\0';
  fields += LE32(0) + LE16(0x1030) + LE16(0) + LE32(0) + LE32(0);
  QByteArray entry = LE32(uint32_t(AData.size())) + LE32(uint32_t(8 + fields.size())) + fields + AData;
  while (entry.size() % 4) entry += '\0';
  return empty + entry;
}

TOwned<TDgrLibraryItem> Read(const QByteArray& ABytes) {
  TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
  LibraryItemFromBytes(ABytes, item.get());
  return item;
}

}  // namespace

TEST(LibraryItemFile, ASavedItemIsTheResourceHeaderTheLengthAndTheItemsStream) {
  TLibraryFixture f;
  TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
  item->SetItemName("Box");
  item->SetCategory("Shapes");
  item->SetCaption("A box");
  item->SetData("x");
  const QByteArray expected = Header16(uint32_t(BoxStream().size())) + BoxStream();
  EXPECT_EQ(LibraryItemToBytes(item.get()).toHex(' '), expected.toHex(' '));

  // Empty strings and an empty glyph are left out.
  item->SetCategory(QString());
  item->SetCaption(QString());
  const QByteArray bare = "TPF0" + Short("TDgrLibraryItem") + Short("") + StrProp("ItemName", "Box") +
                          StrProp("Data", "x") + QByteArray(2, '\0');
  EXPECT_EQ(LibraryItemToBytes(item.get()), Header16(uint32_t(bare.size())) + bare);
}

TEST(LibraryItemFile, BothHeaderFormsRead) {
  for (const QByteArray& file : {Header16(uint32_t(BoxStream().size())) + BoxStream(), Resource32(BoxStream())}) {
    SCOPED_TRACE(file.left(8).toHex().constData());
    TOwned<TDgrLibraryItem> item = Read(file);
    EXPECT_EQ(item->GetItemName(), "Box");
    EXPECT_EQ(item->GetCategory(), "Shapes");
    EXPECT_EQ(item->GetCaption(), "A box");
    EXPECT_EQ(item->GetData(), "x");
  }
}

TEST(LibraryItemFile, GlyphAndLongTextRoundTrip) {
  TLibraryFixture f;
  TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
  item->SetCaption(QString::fromUtf8("Pümpe 'quoted'"));
  item->SetData(QString(3000, u'd') + QString::fromUtf8("\n€"));
  QImage image(5, 4, QImage::Format_ARGB32);
  image.fill(qRgb(10, 200, 30));
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  bitmap->SetImage(image);
  item->GetGlyph()->SetGraphic(bitmap.get());

  TOwned<TDgrLibraryItem> back = Read(LibraryItemToBytes(item.get()));
  EXPECT_EQ(back->GetCaption(), item->GetCaption());
  EXPECT_EQ(back->GetData(), item->GetData());
  EXPECT_EQ(back->GetGlyph()->GetWidth(), 5);
  EXPECT_EQ(back->GetGlyph()->GetBitmap()->GetImage().pixel(2, 2), qRgb(10, 200, 30));
}

TEST(LibraryItemFile, DamagedFilesAreRefusedAndChangeNothing) {
  const QByteArray stream = BoxStream();
  const QByteArray good = Header16(uint32_t(stream.size())) + stream;
  struct TCase {
    const char* What;
    QByteArray Bytes;
  };
  QByteArray otherType = good;
  otherType[1] = 3;
  QByteArray noTerminator = QByteArray(1, char(0xFF)) + LE16(10) + QByteArray(80, 'N');
  QByteArray otherClass = "TPF0" + Short("TdvDiagram") + Short("") + QByteArray(2, '\0');
  QByteArray withChild = "TPF0" + Short("TDgrLibraryItem") + Short("") + QByteArray(1, '\0') + Short("TDiagramBlock") +
                         Short("B") + QByteArray(3, '\0');
  QByteArray unknown = "TPF0" + Short("TDgrLibraryItem") + Short("") + StrProp("Bogus", "x") + QByteArray(2, '\0');
  QByteArray padded32 = Resource32(stream);
  padded32[32] = char(0x7F);  // data size larger than the file
  const TCase cases[] = {
      {"empty file", QByteArray()},
      {"text file", "object TdvDiagram\nend\n"},
      {"other resource type", otherType},
      {"unterminated resource name", noTerminator},
      {"header cut short", good.left(10)},
      {"length beyond the file", Header16(uint32_t(stream.size() + 1)) + stream},
      {"stream cut short", Header16(uint32_t(stream.size() - 3)) + stream.left(stream.size() - 3)},
      {"length shorter than the stream", Header16(uint32_t(stream.size() - 1)) + stream},
      {"bytes after the item inside the length", Header16(uint32_t(stream.size() + 2)) + stream + "zz"},
      {"no object stream", Header16(4) + "ABCD"},
      {"another class", Header16(uint32_t(otherClass.size())) + otherClass},
      {"child objects", Header16(uint32_t(withChild.size())) + withChild},
      {"unknown property", Header16(uint32_t(unknown.size())) + unknown},
      {"32-bit data size beyond the file", padded32},
      {"32-bit resource of another type", Resource32(stream, LE16(0xFFFF) + LE16(2))},
      {"32-bit resource type given as a name", Resource32(stream, LE16('R') + LE16(0))},
      {"32-bit empty entry only", Resource32(stream).left(32)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
    item->SetCaption("kept");
    EXPECT_THROW(LibraryItemFromBytes(c.Bytes, item.get()), EReadError);
    EXPECT_EQ(item->GetCaption(), "kept");
    EXPECT_TRUE(item->GetData().isEmpty());
  }
  EXPECT_NO_THROW(Read(good));
}
