// Damaged and malicious input in either form ends in the format's errors: never a crash,
// a hang, or an allocation the input does not warrant.
#include <gtest/gtest.h>

#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "tests/streaming/TestClasses.h"
#include "tests/streaming/TestSupport.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSampleClasses(); }
};

// A stream that uses every part of the format: children, sub-objects, collections,
// custom properties, references.
QByteArray RichStream() {
  TOwned<TSampleShape> root(Create<TSampleShape>(nullptr));
  root->SetName("Root");
  root->SetCaption(QString::fromUtf8("déjà vu ") + QString(70, 'x'));
  root->GetPen()->GetFill()->SetColor(clRed);
  root->GetLines()->Add("line");
  root->Extra = {1, 2};
  root->Blob = QByteArray(40, '\x7f');
  auto* a = Create<TSampleShape>(root.get());
  a->SetName("A");
  auto* item = static_cast<TSampleItem*>(a->GetItems()->Add());
  item->SetCaption("i");
  auto* b = Create<TSampleShape>(root.get());
  b->SetName("B");
  b->SetScale(2.5);
  item->SetLink(b);
  a->SetLink(b);
  return SaveBinary(root.get());
}

bool IsReadFailure(const QString& message) {
  return message == "Invalid stream format" || message == "Stream read error" ||
         (message.startsWith("Error reading ") && message.endsWith(": Stream read error"));
}

QByteArray NestedLists(int depth) {
  return QByteArray(depth, static_cast<char>(vaList)) + QByteArray(depth, static_cast<char>(vaNull));
}

}  // namespace

TEST_F(HostileInput, AStreamCutAtAnyByteFailsWithAReadError) {
  const QByteArray full = RichStream();
  for (qsizetype n = 0; n < full.size(); ++n) {
    QByteArray cut = full.left(n);
    TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
    QString read = ErrorOf([&] { LoadBinary(cut, target.get()); });
    ASSERT_TRUE(IsReadFailure(read)) << n << ": " << read.toStdString();
    QString text = ErrorOf([&] { BinaryToText(cut); });
    ASSERT_TRUE(IsReadFailure(text)) << n << ": " << text.toStdString();
    QString buffered = ErrorOf([&] {
      TTrickleStream in(cut);
      TOwned<TSampleShape> other(Create<TSampleShape>(nullptr));
      ReadComponent(in, other.get());
    });
    ASSERT_EQ(buffered, read) << n;
  }
}

TEST_F(HostileInput, TextCutAtAnyByteFailsWithAParserError) {
  const QByteArray text = BinaryToText(RichStream());
  const qsizetype lastEnd = text.lastIndexOf("end");
  for (qsizetype n = 0; n < text.size(); ++n) {
    try {
      TextToBinary(text.left(n));
      ASSERT_GE(n, lastEnd + 3) << "only the final line end may be missing";
    } catch (const EParserError& e) {
      ASSERT_TRUE(e.Message().contains(" on line ")) << e.Message().toStdString();
    }
  }
}

TEST_F(HostileInput, EveryCorruptedByteEndsInAnErrorOrAValidRead) {
  // Not a proof, but it walks every byte through every other value class.
  const QByteArray full = RichStream();
  const char replacements[] = {0, 1, 5, 11, 14, 18, 20, 22, 0x7f, static_cast<char>(0xF7), static_cast<char>(0xff)};
  for (qsizetype n = 4; n < full.size(); ++n) {
    for (char r : replacements) {
      QByteArray bad = full;
      bad[n] = r;
      TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
      try {
        LoadBinary(bad, target.get());
      } catch (const Exception&) {
      }
      try {
        TextToBinary(BinaryToText(bad));
      } catch (const Exception&) {
      }
    }
  }
}

TEST_F(HostileInput, LengthsBeyondTheInputAreRefusedBeforeAllocating) {
  struct Case {
    const char* what;
    QByteArray value;
  };
  const Case cases[] = {
      {"long string", Bytes().Tag(vaLString).Int32(0x7FFFFFFF)},
      {"negative long string", Bytes().Tag(vaLString).Int32(-1)},
      {"UTF-8 string", Bytes().Tag(vaUTF8String).Int32(0x7FFFFFF0)},
      {"wide string", Bytes().Tag(vaWString).Int32(0x40000000)},
      {"wide string overflowing a byte count", Bytes().Tag(vaWString).Int32(0x7FFFFFFF)},
      {"binary", Bytes().Tag(vaBinary).Int32(0x7FFFFFFF)},
      {"short string", Bytes().Tag(vaString).Raw({200, 'a'})},
  };
  for (const Case& c : cases) {
    for (const char* prop : {"Caption", "Blob", "Nope"}) {
      TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
      QString message = ErrorOf([&] { LoadBinary(OnePropertyStream(prop, c.value), target.get()); });
      EXPECT_TRUE(message.endsWith("Stream read error") || message.endsWith("Invalid property value"))
          << c.what << " in " << prop << ": " << message.toStdString();
    }
    EXPECT_TRUE(ErrorOf([&] { BinaryToText(OnePropertyStream("X", c.value)); }).endsWith("Stream read error"))
        << c.what;
  }
}

TEST_F(HostileInput, DeepNestingStopsAtTheCap) {
  const QString cap = "Stream nesting exceeds 256 levels";
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  // Values skipped for an unknown property, values read by a custom property, and the
  // text converter all meet the same cap.
  EXPECT_TRUE(ErrorOf([&] { LoadBinary(OnePropertyStream("Nope", NestedLists(100000)), target.get()); }).endsWith(cap));
  EXPECT_TRUE(ErrorOf([&] { BinaryToText(OnePropertyStream("Nope", NestedLists(100000))); }).endsWith(cap));
  EXPECT_EQ(ErrorOf([&] { BinaryToText(OnePropertyStream("Nope", NestedLists(200))); }), "no error");

  // Child records inside child records.
  Bytes objects;
  objects.Signature();
  for (int i = 0; i < 5000; ++i) objects.Str("TSampleShape").Str("").End();
  QString deep = ErrorOf([&] { LoadBinary(objects, target.get()); });
  EXPECT_EQ(deep, cap);
  EXPECT_EQ(target->GetComponentCount(), 0) << "every half-made child was destroyed";
  EXPECT_EQ(ErrorOf([&] { BinaryToText(objects); }), cap);

  // Collections inside collection items.
  Bytes items;
  for (int i = 0; i < 5000; ++i) items.Tag(vaCollection).Tag(vaList).Prop("Children");
  QString nestedItems = ErrorOf([&] { LoadBinary(OnePropertyStream("Items", items), target.get()); });
  EXPECT_TRUE(nestedItems.endsWith(cap)) << nestedItems.left(200).toStdString();

  // The text form: lists, collections and objects.
  QByteArray lists = "object A\r\n  X = " + QByteArray("(\n").repeated(100000);
  EXPECT_EQ(ErrorOf([&] { TextToBinary(lists); }), cap + " on line 257");
  QByteArray nestedObjects;
  for (int i = 0; i < 5000; ++i) nestedObjects += "object A\n";
  EXPECT_EQ(ErrorOf([&] { TextToBinary(nestedObjects); }), cap + " on line 257");
}

TEST_F(HostileInput, TagsOutsideTheFormatAreRejected) {
  for (int tag : {22, 0x7f, 0xf0, 0xff}) {
    TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
    QByteArray stream = OnePropertyStream("Nope", Bytes().Raw({tag}));
    EXPECT_EQ(ErrorOf([&] { LoadBinary(stream, target.get()); }), "Error reading S.Nope: Invalid property value");
    EXPECT_EQ(ErrorOf([&] { BinaryToText(stream); }), QString("Error reading S.Nope: %1").arg(tag));
  }
}

TEST_F(HostileInput, ReferencesHeldByItemsThatAreReplacedAreDropped) {
  // The second Items line frees the items the first one made; the reference the first
  // item held must not be resolved into freed memory.
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  Create<TSampleShape>(target.get())->SetName("B");
  target->StreamChildren = false;
  Bytes b;
  b.Signature().Str("TSampleShape").Str("");
  b.Prop("Items").Tag(vaCollection).Tag(vaList).Prop("Link").Ident("B").End().End();
  b.Prop("Items").Tag(vaCollection).Tag(vaList).Prop("Value").Int8(1).End().End();
  b.End().End();
  LoadBinary(b, target.get());
  ASSERT_EQ(target->GetItems()->Count(), 1);
  EXPECT_EQ(target->GetItems()->Item<TSampleItem>(0)->GetLink(), nullptr);
  EXPECT_EQ(target->GetItems()->Item<TSampleItem>(0)->GetValue(), 1);
}

TEST_F(HostileInput, ManyItemsCostMemoryInProportionToTheInput) {
  Bytes items;
  items.Tag(vaCollection);
  for (int i = 0; i < 20000; ++i) items.Tag(vaList).End();
  items.End();
  TOwned<TSampleShape> target(Create<TSampleShape>(nullptr));
  LoadBinary(OnePropertyStream("Items", items), target.get());
  EXPECT_EQ(target->GetItems()->Count(), 20000);
}
