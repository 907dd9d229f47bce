// Reading binary streams into live objects: values, references, names, children, errors.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "streaming/TextConvert.h"
#include "tests/streaming/TestClasses.h"
#include "tests/streaming/TestSupport.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class BinaryRead : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    TSampleShape::LoadedLog().clear();
  }
  void TearDown() override {
    for (int h : lookups) UnregisterFindGlobalComponentProc(h);
  }
  // Makes Component answer to its name in the global component lookup.
  void Global(TComponent* Component) {
    lookups.push_back(RegisterFindGlobalComponentProc([Component](const QString& n) {
      return n.compare(Component->GetName(), Qt::CaseInsensitive) == 0 ? Component : nullptr;
    }));
  }
  TSampleShape* Child(TComponent* owner, const char* name) {
    auto* c = Create<TSampleShape>(owner);
    c->SetName(name);
    return c;
  }
  std::vector<int> lookups;
};

void FillEverything(TSampleShape* s) {
  s->SetWidth(-70000);
  s->SetBig(std::numeric_limits<int64_t>::min());
  s->SetLetter(u'\x00e9');
  s->SetKind(shRound);
  s->SetVisible(false);
  s->SetOptions({oxB, oxC});
  s->SetAngle(-1.0 / 3);
  s->SetScale(DBL_MAX);
  s->SetRatio(1.25e-40f);
  s->SetCaption(QString::fromUtf8("Zeile 1\r\nline 2 'quoted' 中文 😀"));
  s->SetHint(QString(1000, 'h'));
  s->SetColor(clBtnFace);
  s->SetCursor(-21);
  s->SetMask(0x80000001u);
  s->GetPen()->SetColor(0x00123456);
  s->GetPen()->SetStyle(shDiamond);
  s->GetPen()->GetFill()->SetAngle(std::numeric_limits<double>::denorm_min());
  auto* item = static_cast<TSampleItem*>(s->GetItems()->Add());
  item->SetCaption("first");
  item->SetValue(1 << 20);
  static_cast<TSampleItem*>(item->GetChildren()->Add())->SetCaption("nested");
  s->GetItems()->Add();
  s->GetLines()->AddStrings(QStringList{"a", "", QString::fromUtf8("ü")});
  s->Extra = {0, -1, 1 << 30};
  QByteArray blob;
  for (int i = 0; i < 256; ++i) blob.push_back(static_cast<char>(i));
  s->Blob = blob;
}

void ExpectSameValues(TSampleShape* a, TSampleShape* b) {
  EXPECT_EQ(a->GetWidth(), b->GetWidth());
  EXPECT_EQ(a->GetBig(), b->GetBig());
  EXPECT_EQ(a->GetLetter(), b->GetLetter());
  EXPECT_EQ(a->GetKind(), b->GetKind());
  EXPECT_EQ(a->GetVisible(), b->GetVisible());
  EXPECT_EQ(a->GetOptions(), b->GetOptions());
  EXPECT_EQ(a->GetAngle(), b->GetAngle());
  EXPECT_EQ(a->GetScale(), b->GetScale());
  EXPECT_EQ(a->GetRatio(), b->GetRatio());
  EXPECT_EQ(a->GetCaption(), b->GetCaption());
  EXPECT_EQ(a->GetHint(), b->GetHint());
  EXPECT_EQ(a->GetColor(), b->GetColor());
  EXPECT_EQ(a->GetCursor(), b->GetCursor());
  EXPECT_EQ(a->GetMask(), b->GetMask());
  EXPECT_EQ(a->GetPen()->GetColor(), b->GetPen()->GetColor());
  EXPECT_EQ(a->GetPen()->GetStyle(), b->GetPen()->GetStyle());
  EXPECT_EQ(a->GetPen()->GetFill()->GetAngle(), b->GetPen()->GetFill()->GetAngle());
  ASSERT_EQ(a->GetItems()->Count(), b->GetItems()->Count());
  auto* ia = a->GetItems()->Item<TSampleItem>(0);
  auto* ib = b->GetItems()->Item<TSampleItem>(0);
  EXPECT_EQ(ia->GetCaption(), ib->GetCaption());
  EXPECT_EQ(ia->GetValue(), ib->GetValue());
  ASSERT_EQ(ib->GetChildren()->Count(), 1);
  EXPECT_EQ(ib->GetChildren()->Item<TSampleItem>(0)->GetCaption(), "nested");
  EXPECT_TRUE(a->GetLines()->Equals(*b->GetLines()));
  EXPECT_EQ(a->Extra, b->Extra);
  EXPECT_EQ(a->Blob, b->Blob);
}

}  // namespace

TEST_F(BinaryRead, EveryKindOfValueSurvivesARoundTripThroughBothForms) {
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  FillEverything(source.get());
  QByteArray bytes = SaveBinary(source.get());

  TOwned<TSampleShape> viaBinary(Create<TSampleShape>(nullptr));
  LoadBinary(bytes, viaBinary.get());
  ExpectSameValues(source.get(), viaBinary.get());
  EXPECT_EQ(SaveBinary(viaBinary.get()), bytes) << "writing what was read gives the same bytes";

  // The text form keeps 16 significant digits: with floats that need no more, it is exact.
  source->SetAngle(-0.25);
  source->SetScale(1e300);
  source->SetRatio(1.5f);
  source->GetPen()->GetFill()->SetAngle(1234.5);
  bytes = SaveBinary(source.get());
  QByteArray text = BinaryToText(bytes);
  EXPECT_EQ(TextToBinary(text), bytes);
  TOwned<TSampleShape> viaText(Create<TSampleShape>(nullptr));
  LoadBinary(TextToBinary(text), viaText.get());
  ExpectSameValues(source.get(), viaText.get());
}

TEST_F(BinaryRead, ANullRootIsCreatedFromTheStreamsClass) {
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  source->SetWidth(33);
  TMemoryStream m(SaveBinary(source.get()));
  TComponent* made = ReadComponent(m, nullptr);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->ClassName(), "TSampleShape");
  EXPECT_EQ(static_cast<TSampleShape*>(made)->GetWidth(), 33);
  EXPECT_EQ(m.GetPosition(), m.GetSize()) << "the stream is left after the record";
  made->Free();
}

TEST_F(BinaryRead, ReferencesToLaterObjectsAreSetBeforeLoadedRootFirst) {
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  source->SetName("Root");
  auto* a = Child(source.get(), "A");
  auto* b = Child(source.get(), "B");
  a->SetLink(b);
  b->SetLink(source.get());
  QByteArray bytes = SaveBinary(source.get());

  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  LoadBinary(bytes, target.get());
  auto* ta = dynamic_cast<TSampleShape*>(target->FindComponent("A"));
  auto* tb = dynamic_cast<TSampleShape*>(target->FindComponent("B"));
  ASSERT_TRUE(ta && tb);
  EXPECT_EQ(ta->GetLink(), tb);
  EXPECT_EQ(tb->GetLink(), target.get()) << "Owner names the root";
  EXPECT_EQ(TSampleShape::LoadedLog(), (QStringList{"Root", "A->B", "B->Root"}));
  EXPECT_FALSE(target->IsLoading());
  EXPECT_FALSE(ta->IsLoading());
}

TEST_F(BinaryRead, PathsLeavingTheRootResolveThroughTheGlobalLookupAfterLoaded) {
  TOwned<TComponent> form(Create<TComponent>(nullptr));
  form->SetName("Form");
  auto* outside = Child(form.get(), "Outside");
  TOwned<TSampleShape> orphan(Create<TSampleShape>(nullptr));
  orphan->SetName("Orphan");
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  Child(source.get(), "A")->SetLink(outside);
  Child(source.get(), "B")->SetLink(orphan.get());
  QByteArray bytes = SaveBinary(source.get());
  ASSERT_TRUE(bytes.contains("Form.Outside"));
  ASSERT_TRUE(bytes.contains("Orphan.Owner"));

  TOwned<TSampleShape> unresolved(Create<TSampleShape>(nullptr));
  LoadBinary(bytes, unresolved.get());
  EXPECT_EQ(static_cast<TSampleShape*>(unresolved->FindComponent("A"))->GetLink(), nullptr);

  Global(form.get());
  Global(orphan.get());
  TSampleShape::LoadedLog().clear();
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  LoadBinary(bytes, target.get());
  EXPECT_EQ(static_cast<TSampleShape*>(target->FindComponent("A"))->GetLink(), outside);
  EXPECT_EQ(static_cast<TSampleShape*>(target->FindComponent("B"))->GetLink(), orphan.get());
  EXPECT_EQ(TSampleShape::LoadedLog(), (QStringList{"", "A", "B"})) << "set only after every Loaded";
}

TEST_F(BinaryRead, ChildrenGetTheRootsChildOwnerAndTheirParentsChildParent) {
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  Child(Child(source.get(), "A"), "Inner");
  QByteArray bytes = SaveBinary(source.get());

  TOwned<TComponent> form(Create<TComponent>(nullptr));
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  target->ChildOwner = form.get();
  LoadBinary(bytes, target.get());
  auto* a = dynamic_cast<TSampleShape*>(form->FindComponent("A"));
  auto* inner = dynamic_cast<TSampleShape*>(form->FindComponent("Inner"));
  ASSERT_TRUE(a && inner) << "every child is owned by the root's child owner";
  EXPECT_EQ(target->GetComponentCount(), 0);
  EXPECT_EQ(a->ParentSeen, target.get());
  EXPECT_EQ(inner->ParentSeen, a);
  EXPECT_EQ(target->ParentSeen, nullptr);
}

TEST_F(BinaryRead, TheRootsNameIsMadeUniqueAmongGlobalComponents) {
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  source->SetName("Doc");
  QByteArray named = SaveBinary(source.get());
  source->SetName("");
  QByteArray unnamed = SaveBinary(source.get());

  TOwned<TComponent> doc(Create<TComponent>(nullptr)), doc1(Create<TComponent>(nullptr));
  doc->SetName("Doc");
  doc1->SetName("Doc_1");
  Global(doc.get());
  Global(doc1.get());
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  LoadBinary(named, target.get());
  EXPECT_EQ(target->GetName(), "Doc_2");
  LoadBinary(unnamed, target.get());
  EXPECT_EQ(target->GetName(), "") << "an empty name stays empty";

  target->SetName("Mine");
  target->SetDesigning(true);
  LoadBinary(named, target.get());
  EXPECT_EQ(target->GetName(), "Mine") << "a designed root keeps its name";
}

TEST_F(BinaryRead, AnEmptyCollectionKeepsTheItemsAnObjectAlreadyHas) {
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  target->GetItems()->Add();
  target->GetItems()->Add();
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  LoadBinary(SaveBinary(source.get()), target.get());
  EXPECT_EQ(target->GetItems()->Count(), 2);
  static_cast<TSampleItem*>(source->GetItems()->Add())->SetCaption("only");
  LoadBinary(SaveBinary(source.get()), target.get());
  ASSERT_EQ(target->GetItems()->Count(), 1);
  EXPECT_EQ(target->GetItems()->Item<TSampleItem>(0)->GetCaption(), "only");
}

TEST_F(BinaryRead, ARedeclaredPropertyReadsIntoItsSlot) {
  TOwned<TSampleDerived> source(Create<TSampleDerived>(nullptr));
  source->SetWidth(10);
  source->SetRadius(9);
  TOwned<TSampleDerived> target(Create<TSampleDerived>(nullptr));
  target->SetWidth(99);
  LoadBinary(SaveBinary(source.get()), target.get());
  EXPECT_EQ(target->GetWidth(), 10);
  EXPECT_EQ(target->GetRadius(), 9);
}

TEST_F(BinaryRead, HeaderFlagsReuseObjectsAndSetTheChildOrder) {
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  auto* existing = Child(target.get(), "A");
  Bytes b;
  b.Signature().Str("TSampleShape").Str("").End();
  b.Raw({0xF1}).Str("TSampleShape").Str("A").Prop("Width").Int8(5).End().End();
  b.Raw({0xF2}).Int8(3).Str("TSampleShape").Str("B").End().End();
  b.End();
  LoadBinary(b, target.get());
  EXPECT_EQ(existing->GetWidth(), 5) << "an inherited record applies to the existing object";
  EXPECT_EQ(target->GetComponentCount(), 2);
  EXPECT_TRUE(TSampleShape::LoadedLog().contains("order B=3"));

  Bytes missing;
  missing.Signature().Str("TSampleShape").Str("").End().Raw({0xF1}).Str("TSampleShape").Str("Z").End().End().End();
  EXPECT_EQ(ErrorOf([&] { LoadBinary(missing, target.get()); }), "Ancestor for 'Z' not found");
}

TEST_F(BinaryRead, WrongValuesAndUnknownPropertiesRaiseTheirMessages) {
  const QByteArray nan = QByteArray::fromHex("000000000000f87f");
  const QByteArray huge = QByteArray::fromHex("a0c8eb85f3cce17f");  // 1e308 as a double
  struct Case {
    const char* name;
    QByteArray value;
    const char* message;
  };
  const Case cases[] = {
      {"Nope", Bytes().Int8(1), "Error reading S.Nope: Property Nope does not exist"},
      {"Pen.Nope", Bytes().Int8(1), "Error reading S.Pen.Nope: Property Nope does not exist"},
      {"Nope.Width", Bytes().Int8(1), "Error reading S.Nope.Width: Property Nope.Width does not exist"},
      {"Pen.", Bytes().Int8(1), "Error reading S.Pen.: Property  does not exist"},
      {"Width.X", Bytes().Int8(1), "Error reading S.Width.X: Invalid property path"},
      {"Link.Tag", Bytes().Int8(1), "Error reading S.Link.Tag: Invalid property path"},
      {"Area", Bytes().Int8(1), "Error reading S.Area: Property is read-only"},
      {"Width", Bytes().ShortString("1"), "Error reading S.Width: Invalid property value"},
      {"Width", Bytes().Tag(vaInt64).Raw(QByteArray(8, '\0')), "Error reading S.Width: Invalid property value"},
      {"Width", Bytes().Ident("clRed"), "Error reading S.Width: Invalid property value"},
      {"Color", Bytes().Ident("clNope"), "Error reading S.Color: Invalid property value"},
      {"Kind", Bytes().Ident("shNope"), "Error reading S.Kind: Invalid property value"},
      {"Kind", Bytes().Int8(1), "Error reading S.Kind: Invalid property value"},
      {"Visible", Bytes().Int8(1), "Error reading S.Visible: Invalid property value"},
      {"Options", Bytes().Ident("oxA"), "Error reading S.Options: Invalid property value"},
      {"Options", Bytes().Tag(vaSet).Str("oxZ").Str(""), "Error reading S.Options: Invalid property value"},
      {"Letter", Bytes().ShortString("ab"), "Error reading S.Letter: Invalid property value"},
      {"Scale", Bytes().ShortString("1"), "Error reading S.Scale: Invalid property value"},
      {"Scale", Bytes().Tag(vaSingle).Raw({0, 0, 0x80, 0x3F}), "Error reading S.Scale: Invalid property value"},
      {"Scale", Bytes().Tag(vaExtended).Raw(QByteArray::fromHex("0000000000000080ff7f")),
       "Error reading S.Scale: Invalid property value"},
      {"Scale", Bytes().Tag(vaDouble).Raw(nan), "Error reading S.Scale: Invalid property value"},
      {"Ratio", Bytes().Tag(vaDouble).Raw(huge), "Error reading S.Ratio: Invalid property value"},
      {"Caption", Bytes().Int8(1), "Error reading S.Caption: Invalid property value"},
      {"Items", Bytes().Tag(vaList).End(), "Error reading S.Items: Invalid property value"},
      {"Pen", Bytes().Tag(vaCollection).End(), "Error reading S.Pen: Invalid property value"},
      {"Pen", Bytes().Tag(vaNil), "Error reading S.Pen: Invalid property value"},
      {"Items", Bytes().Tag(vaNil), "Error reading S.Items: Invalid property value"},
      {"Pen", Bytes().Ident("Owner"), "no error"},
      {"Extra", Bytes().Int8(1), "Error reading S.Extra: Invalid property value"},
      {"Blob", Bytes().ShortString("x"), "Error reading S.Blob: Invalid property value"},
      {"Items", Bytes().Tag(vaCollection).Tag(vaList).Prop("Value").ShortString("x").End().End(),
       "Error reading S.Items: Error reading TSampleItem.Value: Invalid property value"},
      {"Items", Bytes().Tag(vaCollection).Int8(0).End(), "Error reading S.Items: Invalid property value"},
      {"Caption", Bytes().Tag(vaLString).Int32(100).Raw("ab"), "Error reading S.Caption: Stream read error"},
      {"Width", Bytes().Tag(static_cast<TValueType>(22)), "Error reading S.Width: Invalid property value"},
  };
  for (const Case& c : cases) {
    TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
    EXPECT_EQ(ErrorOf([&] { LoadBinary(OnePropertyStream(c.name, c.value), target.get()); }), c.message) << c.name;
  }
}

TEST_F(BinaryRead, EnumerationAndSetNamesAreFoundInAnyLetterCase) {
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  LoadBinary(OnePropertyStream("Kind", Bytes().Ident("SHDIAMOND")), target.get());
  EXPECT_EQ(target->GetKind(), shDiamond);
  LoadBinary(OnePropertyStream("Visible", Bytes().Ident("fALSE")), target.get());
  EXPECT_FALSE(target->GetVisible());
  LoadBinary(OnePropertyStream("Options", Bytes().Tag(vaSet).Str("OXc").Str("oxa").Str("")), target.get());
  EXPECT_EQ(target->GetOptions().Mask(), (1u << oxA) | (1u << oxC));
  // A name that differs by more than letter case is still refused.
  EXPECT_EQ(ErrorOf([&] { LoadBinary(OnePropertyStream("Kind", Bytes().Ident("shDiamonds")), target.get()); }),
            "Error reading S.Kind: Invalid property value");
}

TEST_F(BinaryRead, BadRecordsRaiseTheirMessages) {
  RegisterClass(TStringList::StaticClassInfo());
  auto withChildren = [](std::initializer_list<QByteArray> records) {
    Bytes b;
    b.Signature().Str("TSampleShape").Str("").End();
    for (const QByteArray& r : records) b.Raw(r);
    return QByteArray(b.End());
  };
  auto record = [](const QByteArray& cls, const QByteArray& name) {
    return QByteArray(Bytes().Str(cls).Str(name).End().End());
  };
  struct Case {
    const char* what;
    QByteArray stream;
    const char* message;
  };
  const Case cases[] = {
      {"empty input", QByteArray(), "Invalid stream format"},
      {"short signature", "TP", "Invalid stream format"},
      {"wrong signature", "TPF1\x0cTSampleShape\0\0\0", "Invalid stream format"},
      {"only the signature", "TPF0", "Stream read error"},
      {"unknown class", withChildren({record("TNoSuch", "A")}), "Class TNoSuch not found"},
      {"class that is no component", withChildren({record("TStringList", "A")}), "Class TStringList not found"},
      {"duplicate name", withChildren({record("TSampleShape", "A"), record("TSampleShape", "a")}),
       "A component named a already exists"},
      {"invalid name", withChildren({record("TSampleShape", "1A")}), "'1A' is not a valid component name"},
  };
  for (const Case& c : cases) {
    TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
    EXPECT_EQ(ErrorOf([&] { LoadBinary(c.stream, target.get()); }), c.message) << c.what;
  }
  UnRegisterClass(TStringList::StaticClassInfo());
}

TEST_F(BinaryRead, AFailedChildIsDestroyedAndWhatWasReadBeforeItIsLoaded) {
  Bytes b;
  b.Signature().Str("TSampleShape").Str("Root").End();
  b.Str("TSampleShape").Str("A").Prop("Link").Ident("B").End().End();
  b.Str("TSampleShape").Str("B").Prop("Width").Int8(3).Prop("Nope").Int8(1).End().End();
  b.Str("TSampleShape").Str("C").End().End();
  b.End();
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  EXPECT_EQ(ErrorOf([&] { LoadBinary(b, target.get()); }), "Error reading B.Nope: Property Nope does not exist");
  ASSERT_EQ(target->GetComponentCount(), 1);
  auto* a = static_cast<TSampleShape*>(target->GetComponents(0));
  EXPECT_EQ(a->GetName(), "A");
  EXPECT_EQ(a->GetLink(), nullptr) << "the reference to the destroyed child is not resolved";
  EXPECT_EQ(TSampleShape::LoadedLog(), (QStringList{"Root", "A"}));
  EXPECT_FALSE(target->IsLoading()) << "the objects read so far leave the loading state";
  EXPECT_FALSE(a->IsLoading());
}

TEST_F(BinaryRead, NilEmptiesAReference) {
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  target->SetLink(Child(target.get(), "A"));
  target->StreamChildren = false;
  LoadBinary(OnePropertyStream("Link", Bytes().Tag(vaNil)), target.get());
  EXPECT_EQ(target->GetLink(), nullptr);
}

TEST_F(BinaryRead, AReferenceToAnObjectOfTheWrongClassStaysEmpty) {
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  Create<TComponent>(target.get())->SetName("Plain");
  Child(target.get(), "Shape");
  auto items = [](const char* link) {
    return QByteArray(Bytes().Tag(vaCollection).Tag(vaList).Prop("Link").Ident(link).End().End());
  };
  target->StreamChildren = false;
  LoadBinary(OnePropertyStream("Items", items("Plain")), target.get());
  EXPECT_EQ(target->GetItems()->Item<TSampleItem>(0)->GetLink(), nullptr);
  LoadBinary(OnePropertyStream("Items", items("Shape")), target.get());
  EXPECT_EQ(target->GetItems()->Item<TSampleItem>(0)->GetLink(), target->FindComponent("Shape"));
}

TEST_F(BinaryRead, AnyStreamIsReadThroughTheBufferAndLeftRightAfterTheRecord) {
  TOwned<TSampleShape> source(Create<TSampleShape>(nullptr));
  FillEverything(source.get());
  source->Blob = QByteArray(10000, '\x11');  // longer than the buffer
  Child(source.get(), "A")->SetLink(source.get());
  const QByteArray bytes = SaveBinary(source.get());
  const QByteArray trailer = "after the record";

  TTrickleStream in(bytes + trailer);
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  ReadComponent(in, target.get());
  ExpectSameValues(source.get(), target.get());
  EXPECT_EQ(in.GetPosition(), bytes.size());
  EXPECT_EQ(SaveBinary(target.get()), bytes);

  TTrickleStream textIn(bytes + trailer);
  TMemoryStream textOut;
  ConvertBinaryToText(textIn, textOut);
  EXPECT_EQ(textOut.Bytes(), BinaryToText(bytes));
  EXPECT_EQ(textIn.GetPosition(), bytes.size());

  // The text reader takes the rest of a stream from wherever it stands.
  TMemoryStream text(trailer + textOut.Bytes());
  text.SetPosition(trailer.size());
  TTrickleStream binOut(QByteArray{});
  ConvertTextToBinary(text, binOut);
  EXPECT_EQ(binOut.Data(), TextToBinary(textOut.Bytes()));
}
