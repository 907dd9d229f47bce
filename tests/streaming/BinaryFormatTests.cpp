// What the writer puts into a binary stream, byte for byte.
#include <gtest/gtest.h>

#include "platform/core/Exception.h"
#include "tests/streaming/ByteBuilder.h"
#include "tests/streaming/TestClasses.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QByteArray Hex(const char* s) { return QByteArray::fromHex(s); }

class BinaryFormat : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSampleClasses(); }
  TOwned<TSampleShape> shape{Create<TSampleShape>(nullptr)};
};

}  // namespace

TEST(BinaryValues, IntegersTakeTheSmallestTagThatHoldsThem) {
  struct Case {
    int64_t value;
    const char* bytes;
  };
  const Case cases[] = {
      {0, "0200"},
      {127, "027f"},
      {-128, "0280"},
      {128, "038000"},
      {-129, "037fff"},
      {32767, "03ff7f"},
      {-32768, "030080"},
      {32768, "0400800000"},
      {-32769, "04ff7fffff"},
      {2147483647, "04ffffff7f"},
      {2147483648, "130000008000000000"},
      {INT64_MIN, "130000000000000080"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ValueBytes([&](TWriter& w) { w.WriteInteger(c.value); }).toHex(), c.bytes) << c.value;
}

TEST(BinaryValues, StringsPickTheirTagByTheShorterEncoding) {
  struct Case {
    const char* what;
    QString value;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty", "", Bytes().EmptyWString()},
      {"ASCII", "abc", Bytes().ShortString("abc")},
      {"255 ASCII characters", QString(255, 'a'), Bytes().ShortString(QByteArray(255, 'a'))},
      {"256 ASCII characters", QString(256, 'a'), Bytes().Tag(vaLString).Int32(256).Raw(QByteArray(256, 'a'))},
      {"an accented letter among ASCII", QString::fromUtf8("café"), Hex("1405000000636166c3a9")},
      {"a lone accented letter", QString::fromUtf8("é"), Hex("1201000000e900")},
      {"CJK text", QString::fromUtf8("中文"), Hex("12020000002d4e8765")},
      {"outside the BMP", QString::fromUtf8("a😀"), Hex("140500000061f09f9880")},
      {"a lone surrogate becomes U+FFFD", QString(QChar(0xD800)), Hex("1201000000fdff")},
      {"a lone surrogate among ASCII", "ab" + QString(QChar(0xDC00)) + "cd", Hex("140700000061 62efbfbd6364")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ValueBytes([&](TWriter& w) { w.WriteString(c.value); }).toHex(), c.bytes.toHex()) << c.what;
}

TEST(BinaryValues, IdentifiersFalseTrueNullAndNilBecomeTheirOwnTags) {
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("FALSE"); }), Hex("08"));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("true"); }), Hex("09"));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("Null"); }), Hex("00"));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("NIL"); }), Hex("0d"));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("clWhite"); }), QByteArray(Bytes().Ident("clWhite")));
  // As short as the four words, yet none of them.
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("Nils"); }), QByteArray(Bytes().Ident("Nils")));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteIdent("clRed"); }), QByteArray(Bytes().Ident("clRed")));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteBoolean(true); }), Hex("09"));
}

TEST(BinaryValues, FloatsAreExtendedAndNonFiniteOnesAreRefused) {
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteFloat(1.0); }), Hex("0500000000000000 80ff3f"));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteSingle(1.5f); }), Hex("0f0000c03f"));
  EXPECT_EQ(ValueBytes([](TWriter& w) { w.WriteCurrency(12345); }), Hex("103930000000000000"));
  EXPECT_THROW(ValueBytes([](TWriter& w) { w.WriteFloat(std::numeric_limits<double>::infinity()); }), EWriteError);
  EXPECT_THROW(ValueBytes([](TWriter& w) { w.WriteDouble(std::nan("")); }), EWriteError);
}

TEST(BinaryValues, ShortStringsAreCutTo255BytesAtACharacterBoundary) {
  QByteArray ascii = ValueBytes([](TWriter& w) { w.WriteStr(QString(300, 'n')); });
  EXPECT_EQ(ascii, QByteArray(Bytes().Str(QByteArray(255, 'n'))));
  // 254 bytes and then a two-byte character: the character is left out whole.
  QByteArray accented = ValueBytes([](TWriter& w) { w.WriteStr(QString(254, 'n') + QChar(0xE9)); });
  EXPECT_EQ(accented, QByteArray(Bytes().Str(QByteArray(254, 'n'))));
}

// The writer stores values in its buffer whole, flushing before one that would not fit:
// a stream many buffers long must hold every value intact wherever the flushes fell.
TEST(BinaryValues, ValuesArriveWholeAcrossManyBufferFlushes) {
  Bytes expected;
  const QByteArray written = ValueBytes([&](TWriter& w) {
    for (int i = 0; i < 3000; ++i) {
      const QByteArray name(i % 256, static_cast<char>('a' + i % 26));
      w.WriteUtf8Str(std::string_view(name.constData(), static_cast<size_t>(name.size())));
      expected.Str(name);
      w.WriteInteger(100000 + i);
      expected.Tag(vaInt32).Int32(100000 + i);
      w.WriteFloat(0.0);
      expected.ExtendedZero();
      w.WriteBoolean(i % 2 != 0);
      expected.Tag(i % 2 != 0 ? vaTrue : vaFalse);
    }
  });
  ASSERT_EQ(written.size(), expected.Data().size());
  EXPECT_TRUE(written == expected.Data());
}

TEST_F(BinaryFormat, ADefaultObjectWritesOnlyWhatHasNoDefaultAndItsCollection) {
  shape->SetName("Shape1");
  Bytes expected;
  expected.Signature().Str("TSampleShape").Str("Shape1");
  DefaultShapeProps(expected).End().End();
  EXPECT_EQ(SaveBinary(shape.get()).toHex(), expected.Data().toHex());
}

TEST_F(BinaryFormat, ValuesAreWrittenByKindInTableOrder) {
  shape->SetWidth(128);
  shape->SetBig(int64_t{1} << 40);
  shape->SetLetter(u'x');
  shape->SetKind(shDiamond);
  shape->SetVisible(false);
  shape->SetOptions({oxA, oxC});
  shape->SetAngle(1.0);
  shape->SetRatio(1.0f);
  shape->SetCaption("c");
  shape->SetColor(0x00F0F0F0);
  shape->SetCursor(-22);
  shape->SetMask(0xFFFFFFFF);
  Bytes b;
  b.Signature().Str("TSampleShape").Str("");
  b.Prop("Width").Tag(vaInt16).Raw({0x80, 0});
  b.Prop("Big").Tag(vaInt64).Raw({0, 0, 0, 0, 0, 1, 0, 0});
  b.Prop("Letter").ShortString("x");
  b.Prop("Kind").Ident("shDiamond");
  b.Prop("Visible").Tag(vaFalse);
  b.Prop("Options").Tag(vaSet).Str("oxA").Str("oxC").Str("");
  b.Prop("Angle").Raw(Hex("0500000000000000 80ff3f"));
  b.Prop("Scale").ExtendedZero();
  b.Prop("Ratio").Raw(Hex("0500000000000000 80ff3f"));
  b.Prop("Caption").ShortString("c");
  b.Prop("Hint").EmptyWString();
  b.Prop("Color").Tag(vaInt32).Raw({0xF0, 0xF0, 0xF0, 0});
  b.Prop("Cursor").Ident("crSizeAll");
  b.Prop("Mask").Int8(-1);
  b.Prop("Items").Tag(vaCollection).End();
  b.End().End();
  EXPECT_EQ(SaveBinary(shape.get()).toHex().toStdString(), b.Data().toHex().toStdString());
}

TEST_F(BinaryFormat, ColoursWithANameAreIdentifiersOthersNumbers) {
  shape->GetPen()->SetColor(0x00FFFFFF);
  EXPECT_TRUE(SaveBinary(shape.get()).contains(Bytes().Prop("Pen.Color").Ident("clWhite").Data()));
  shape->GetPen()->SetColor(0x00F0F0F0);
  EXPECT_TRUE(SaveBinary(shape.get()).contains(Bytes().Prop("Pen.Color").Tag(vaInt32).Int32(15790320).Data()));
  shape->GetPen()->SetColor(clBtnFace);
  EXPECT_TRUE(SaveBinary(shape.get()).contains(Bytes().Prop("Pen.Color").Ident("clBtnFace").Data()));
}

TEST_F(BinaryFormat, StoredRulesAndDefaultsDecideWhatIsWritten) {
  // A float with a declared default is left out at 0, whatever the default's value.
  shape->SetAngle(0);
  EXPECT_FALSE(SaveBinary(shape.get())
                   .contains("\x05"
                             "Angle"));
  shape->SetAngle(0.5);
  EXPECT_TRUE(SaveBinary(shape.get())
                  .contains("\x05"
                            "Angle"));
  // An empty set differs from the default {oxA}.
  shape->SetOptions({});
  EXPECT_TRUE(SaveBinary(shape.get()).contains(Bytes().Prop("Options").Tag(vaSet).Str("").Data()));
  // Never stored, read-only and events are never written; a predicate decides per object.
  shape->SetSecret(7);
  shape->OnClick = [](TObject*) {};
  QByteArray bytes = SaveBinary(shape.get());
  EXPECT_FALSE(bytes.contains("Secret"));
  EXPECT_FALSE(bytes.contains("Area"));
  EXPECT_FALSE(bytes.contains("OnClick"));
  shape->SetNote("n");
  EXPECT_FALSE(SaveBinary(shape.get()).contains("Note"));
  shape->SetWidth(1001);
  EXPECT_TRUE(SaveBinary(shape.get()).contains(Bytes().Prop("Note").ShortString("n").Data()));
}

TEST_F(BinaryFormat, SubObjectsWriteDottedPathsAndCustomPropertiesComeLast) {
  shape->GetPen()->SetWidth(3);
  shape->GetPen()->GetFill()->SetColor(clRed);
  shape->GetLines()->Add("one");
  shape->Extra = {1, 300};
  shape->Blob = QByteArray("\x01\x02", 2);
  Bytes b;
  b.Signature().Str("TSampleShape").Str("");
  b.Prop("Scale").ExtendedZero().Prop("Hint").EmptyWString();
  b.Prop("Pen.Width").Int8(3).Prop("Pen.Fill.Color").Ident("clRed");
  b.Prop("Items").Tag(vaCollection).End();
  b.Prop("Lines.Strings").Tag(vaList).ShortString("one").End();
  b.Prop("Extra").Tag(vaList).Int8(1).Tag(vaInt16).Raw({0x2C, 0x01}).End();
  b.Prop("Blob").Tag(vaBinary).Int32(2).Raw({1, 2});
  b.End().End();
  EXPECT_EQ(SaveBinary(shape.get()).toHex().toStdString(), b.Data().toHex().toStdString());
}

TEST_F(BinaryFormat, CollectionItemsCarryPlainNamesAndNestedCollections) {
  auto* item = static_cast<TSampleItem*>(shape->GetItems()->Add());
  item->SetCaption("a");
  static_cast<TSampleItem*>(item->GetChildren()->Add())->SetValue(2);
  shape->GetItems()->Add();
  Bytes b;
  b.Signature().Str("TSampleShape").Str("");
  b.Prop("Scale").ExtendedZero().Prop("Hint").EmptyWString();
  b.Prop("Items").Tag(vaCollection);
  b.Tag(vaList).Prop("Caption").ShortString("a");
  b.Prop("Children").Tag(vaCollection);
  b.Tag(vaList).Prop("Value").Int8(2).Prop("Children").Tag(vaCollection).End().End();
  b.End();
  b.End();
  b.Tag(vaList).Prop("Children").Tag(vaCollection).End().End();
  b.End();
  b.End().End();
  EXPECT_EQ(SaveBinary(shape.get()).toHex().toStdString(), b.Data().toHex().toStdString());
}

TEST_F(BinaryFormat, ChildrenFollowTheRootsPropertiesAsRecords) {
  auto* a = Create<TSampleShape>(shape.get());
  a->SetName("A");
  Create<TSampleShape>(a)->SetName("Inner");
  Bytes b;
  b.Signature().Str("TSampleShape").Str("");
  DefaultShapeProps(b).End();
  b.Str("TSampleShape").Str("A");
  DefaultShapeProps(b).End();
  b.Str("TSampleShape").Str("Inner");
  DefaultShapeProps(b).End().End();
  b.End();
  b.End();
  EXPECT_EQ(SaveBinary(shape.get()).toHex().toStdString(), b.Data().toHex().toStdString());
}

TEST_F(BinaryFormat, ReferencesAreWrittenAsPathsRelativeToTheRoot) {
  shape->SetName("Root");
  shape->StreamChildren = false;
  auto* form = Create<TComponent>(nullptr);
  form->SetName("Form");
  auto* child = Create<TSampleShape>(shape.get());
  child->SetName("Child");
  auto* grandChild = Create<TComponent>(child);
  grandChild->SetName("Grand");
  auto* outside = Create<TComponent>(form);
  outside->SetName("Outside");
  auto* orphan = Create<TComponent>(nullptr);
  orphan->SetName("Orphan");
  auto* unnamedOwner = Create<TComponent>(nullptr);
  auto* underUnnamed = Create<TComponent>(unnamedOwner);
  underUnnamed->SetName("Lost");
  auto* unnamed = Create<TComponent>(shape.get());

  struct Case {
    TComponent* target;
    const char* path;
  };
  const Case cases[] = {
      {child, "Child"},          {shape.get(), "Owner"},   {grandChild, "Child.Grand"},
      {outside, "Form.Outside"}, {orphan, "Orphan.Owner"}, {underUnnamed, "Lost.Owner"},
  };
  for (const Case& c : cases) {
    shape->SetLink(c.target);
    EXPECT_TRUE(SaveBinary(shape.get()).contains(Bytes().Prop("Link").Ident(c.path).Data())) << c.path;
  }
  shape->SetLink(unnamed);
  EXPECT_FALSE(SaveBinary(shape.get()).contains("Link")) << "an unnamed component cannot be named";
  shape->SetLink(nullptr);
  form->Free();
  orphan->Free();
  unnamedOwner->Free();
}

TEST_F(BinaryFormat, ARedeclaredPropertyKeepsItsSlotWithItsNewRules) {
  auto* d = Create<TSampleDerived>(nullptr);
  d->SetWidth(20);
  d->SetKind(shRound);
  d->SetRadius(7);
  QByteArray bytes = SaveBinary(d);
  EXPECT_FALSE(bytes.contains("Width")) << "20 is the re-declared default";
  EXPECT_FALSE(bytes.contains("Kind")) << "re-declared as never stored";
  d->SetWidth(10);
  bytes = SaveBinary(d);
  EXPECT_LT(bytes.indexOf("Width"), bytes.indexOf("Scale")) << "Width keeps the parent's slot";
  EXPECT_GT(bytes.indexOf("Radius"), bytes.indexOf("Items")) << "additions come after the parent's table";
  d->Free();
}
