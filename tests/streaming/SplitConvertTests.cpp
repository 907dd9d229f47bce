// Large documents are converted from text on two threads, cut between two children of the
// root: the bytes and the errors must be those of one pass.
#include <gtest/gtest.h>

#include "streaming/Writer.h"
#include "tests/streaming/TestClasses.h"
#include "tests/streaming/TestSupport.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A root with Children children, each with a few values, a collection and a child of its
// own, so the text holds lines that begin with "object" at two depths. Big enough (about
// 2 MB of text at 6,000 children) for the two-thread conversion.
QByteArray LargeStream(int Children, int CaptionPadding = 0) {
  return ValueBytes([&](TWriter& w) {
    w.WriteSignature();
    w.WriteRecordHeader({}, 0, "TRoot", "Root");
    w.WriteUtf8Str("Caption");
    w.WriteString(QString::fromUtf8("Größe") + QString(CaptionPadding, 'x'));
    w.WriteListEnd();
    for (int i = 0; i < Children; ++i) {
      w.WriteRecordHeader({}, 0, "TBox", "Box" + std::to_string(i));
      w.WriteUtf8Str("Left");
      w.WriteInteger(i * 7);
      w.WriteUtf8Str("Text");
      w.WriteString(QStringLiteral("Box number %1").arg(i));
      w.WriteUtf8Str("Scale");
      w.WriteFloat(i / 8.0);
      w.WriteUtf8Str("Data");
      const QByteArray blob(i % 40, static_cast<char>(i));
      w.WriteBinary(blob.constData(), blob.size());
      w.WriteUtf8Str("Points");
      w.WriteValue(vaCollection);
      w.WriteListBegin();
      w.WriteUtf8Str("X");
      w.WriteInteger(i);
      w.WriteListEnd();
      w.WriteListEnd();
      w.WriteListEnd();
      w.WriteRecordHeader({}, 0, "TCell", "Cell" + std::to_string(i));
      w.WriteUtf8Str("Width");
      w.WriteInteger(-i);
      w.WriteListEnd();
      w.WriteListEnd();
      w.WriteListEnd();
    }
    w.WriteListEnd();
  });
}

// The number of the line that Needle starts, 1 for the first.
int LineOf(const QByteArray& Text, qsizetype At) { return static_cast<int>(Text.left(At).count('\n')) + 1; }

}  // namespace

TEST(SplitConvert, ALargeDocumentConvertsToTheBytesItWasWrittenFrom) {
  const QByteArray bin = LargeStream(6000);
  const QByteArray text = BinaryToText(bin);
  ASSERT_GT(text.size(), 1 << 20) << "large enough for two threads";
  EXPECT_TRUE(TextToBinary(text) == bin);

  // Children of children written with a root child's indentation: the text is the same
  // document, but the line after the middle that looks like a child of the root is not
  // one. The caption moves the middle until that line is such a child of a child.
  bool fellBack = false;
  for (int padding = 0; padding < 1000 && !fellBack; padding += 50) {
    const QByteArray padded = LargeStream(6000, padding);
    QByteArray shifted = BinaryToText(padded);
    shifted.replace("\n    object Cell", "\n  object Cell");
    if (!shifted.mid(shifted.indexOf("\n  object ", shifted.size() / 2)).startsWith("\n  object Cell")) continue;
    fellBack = true;
    EXPECT_TRUE(TextToBinary(shifted) == padded);
  }
  EXPECT_TRUE(fellBack);

  // Tabs instead of spaces leave no cut to take at all.
  QByteArray tabbed = text;
  tabbed.replace("\n  object Box", "\n\tobject Box");
  EXPECT_TRUE(TextToBinary(tabbed) == bin);
}

TEST(SplitConvert, AnErrorInEitherPartNamesItsLineAsOnePassWould) {
  const QByteArray text = BinaryToText(LargeStream(6000));
  struct Case {
    double at;  // how far into the text the damage goes, as a share of its length
    QByteArray from, to;
    const char* message;
  };
  const Case cases[] = {
      {0.1, "Left = ", "Left = = ", "Invalid property value"},
      {0.9, "Left = ", "Left = = ", "Invalid property value"},
      {0.9, "Text = '", "Text = '" + QByteArray(5000, 'a'), "Line too long"},
      {0.9, "object Cell", "thing Cell", "''='' expected"},
      {0.2, "object Cell", "thing Cell", "''='' expected"},
      {0.9, "  object Box", "  thing Box", "OBJECT expected"},
  };
  for (const Case& c : cases) {
    QByteArray damaged = text;
    const qsizetype at = damaged.indexOf(c.from, static_cast<qsizetype>(text.size() * c.at));
    ASSERT_GT(at, 0);
    damaged.replace(at, c.from.size(), c.to);
    EXPECT_EQ(ErrorOf([&] { TextToBinary(damaged); }).toStdString(),
              QStringLiteral("%1 on line %2").arg(QLatin1String(c.message)).arg(LineOf(damaged, at)).toStdString())
        << c.at << " " << c.to.left(20).data();
  }
  // Text after the last child that is no "end" either.
  QByteArray cut = text;
  cut.chop(QByteArray("end\r\n").size());
  EXPECT_EQ(ErrorOf([&] { TextToBinary(cut); }).toStdString(),
            QStringLiteral("OBJECT expected on line %1").arg(LineOf(cut, cut.size())).toStdString());
}
