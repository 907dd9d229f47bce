// The text form: how values are written, what the parser accepts, and its messages.
#include <gtest/gtest.h>

#include <cfloat>

#include "platform/core/Stream.h"
#include "streaming/FloatText.h"
#include "streaming/Writer.h"
#include "tests/streaming/TestClasses.h"
#include "tests/streaming/TestSupport.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// The text of an unnamed root of class T with one property P whose value Write writes.
template <class F>
QByteArray TextOfProperty(F Write) {
  QByteArray bin = ValueBytes([&](TWriter& w) {
    w.WriteSignature();
    w.WriteUtf8Str("T");
    w.WriteUtf8Str("");
    w.WriteUtf8Str("P");
    Write(w);
    w.WriteListEnd();
    w.WriteListEnd();
  });
  return BinaryToText(bin);
}

// The value part of the one property line: everything between "P = " and the final end.
QByteArray ValueText(const QByteArray& text) {
  qsizetype start = text.indexOf("  P = ") + 6;
  qsizetype end = text.lastIndexOf("\r\nend\r\n");
  return text.mid(start, end - start);
}

template <class F>
QByteArray ValueOf(F Write) {
  return ValueText(TextOfProperty(Write));
}

}  // namespace

TEST(TextWriter, StringsAreQuotedRunsAndEscapesSplitAt64Characters) {
  struct Case {
    const char* what;
    QString value;
    QByteArray text;
  };
  const QByteArray x64(64, 'x');
  const Case cases[] = {
      {"empty", "", "''"},
      {"apostrophe", "It's", "'It'#39's'"},
      {"line break", "a\r\nb", "'a'#13#10'b'"},
      {"accented", QString::fromUtf8("é"), "#233"},
      {"accented among ASCII", QString::fromUtf8("café"), "'caf'#233"},
      {"outside the BMP", QString::fromUtf8("😀"), "#55357#56832"},
      {"64 characters stay on the line", QString(x64), "'" + x64 + "'"},
      {"65 characters start a new line", QString(x64) + "y", "\r\n    '" + x64 + "' +\r\n    'y'"},
      {"70 line feeds", QString(70, '\n'),
       "\r\n    " + QByteArray("#10").repeated(64) + " +\r\n    " + QByteArray("#10").repeated(6)},
  };
  for (const Case& c : cases) EXPECT_EQ(ValueOf([&](TWriter& w) { w.WriteString(c.value); }), c.text) << c.what;
  // Single-byte strings with characters above 127 are escaped too, so the text stays
  // ASCII whatever encoding it is later read with.
  QByteArray latin = ValueOf([](TWriter& w) {
    w.WriteValue(vaString);
    w.WriteUtf8Str("\xe9t\xe9");
  });
  EXPECT_EQ(latin, "#233't'#233");
}

TEST(TextWriter, BinaryIsUpperCaseHexIn32ByteLines) {
  auto bytes = [](int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b.push_back(static_cast<char>(0xA0 + i % 16));
    return b;
  };
  auto hexOf = [](const QByteArray& b) { return b.toHex().toUpper(); };
  auto text = [](const QByteArray& b) { return ValueOf([&](TWriter& w) { w.WriteBinary(b.constData(), b.size()); }); };
  EXPECT_EQ(text({}), "{}");
  EXPECT_EQ(text(bytes(31)), "{" + hexOf(bytes(31)) + "}");
  EXPECT_EQ(text(bytes(32)), "{\r\n    " + hexOf(bytes(32)) + "}");
  QByteArray hundred = bytes(100);
  EXPECT_EQ(text(hundred), "{\r\n    " + hexOf(hundred.mid(0, 32)) + "\r\n    " + hexOf(hundred.mid(32, 32)) +
                               "\r\n    " + hexOf(hundred.mid(64, 32)) + "\r\n    " + hexOf(hundred.mid(96)) + "}");
}

TEST(TextWriter, NumbersAreWrittenWithoutLocale) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {100, "100.000000000000000000"},
      {0.1, "0.100000000000000000"},
      {-2.5, "-2.500000000000000000"},
      {1.0 / 3, "0.333333333333333300"},
      {2.0 / 3, "0.666666666666666600"},
      {0, "0.000000000000000000"},
      {-0.0, "-0.000000000000000000"},
      {9999999999999998, "9999999999999998.000000000000000000"},
      {1e16, "1E16"},
      {1e20, "1E20"},
      {-1.5e300, "-1.5E300"},
      {123456789012345678.0, "1.2345678901234568E17"},
      {0.001, "0.001000000000000000"},
      {1.5e-7, "0.000000150000000000"},
      {1.23456789012345678e-5, "0.000012345678901235"},
      {1e-20, "0.000000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(ValueOf([&](TWriter& w) { w.WriteFloat(c.value); }), c.text) << c.value;
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteDouble(0.5); }), "0.500000000000000000");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteSingle(1.5f); }), "1.5s");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteSingle(0.1f); }), "0.1s");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteSingle(1e20f); }), "1E20s");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteDate(45000.25); }), "45000.25d");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteCurrency(-123456); }), "-123456c");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteInteger(-5); }), "-5");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteInteger(int64_t{1} << 40); }), "1099511627776");
}

TEST(TextWriter, SetsListsCollectionsAndHeadersFollowTheLayout) {
  EXPECT_EQ(ValueOf([](TWriter& w) {
              w.WriteValue(vaSet);
              w.WriteUtf8Str("");
            }),
            "[]");
  EXPECT_EQ(ValueOf([](TWriter& w) {
              w.WriteValue(vaSet);
              w.WriteUtf8Str("a");
              w.WriteUtf8Str("b");
              w.WriteUtf8Str("");
            }),
            "[a, b]");
  EXPECT_EQ(ValueOf([](TWriter& w) {
              w.WriteListBegin();
              w.WriteListEnd();
            }),
            "()");
  EXPECT_EQ(ValueOf([](TWriter& w) {
              w.WriteValue(vaCollection);
              w.WriteListEnd();
            }),
            "<>");
  EXPECT_EQ(ValueOf([](TWriter& w) { w.WriteIdent("nil"); }), "nil");

  const QByteArray sample =
      "object Sample\r\n"
      "  Points = (\r\n"
      "    10\r\n"
      "    20)\r\n"
      "  Items = <\r\n"
      "    item\r\n"
      "      Caption = 'a'\r\n"
      "    end\r\n"
      "    item [3]\r\n"
      "      Caption = 'b'\r\n"
      "    end>\r\n"
      "  object A: T\r\n"
      "  end\r\n"
      "  inherited B: T [2]\r\n"
      "  end\r\n"
      "  inline T\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(BinaryToText(TextToBinary(sample)), sample);
}

TEST(TextWriter, AClassNameThatLooksLikeAPrefixGetsARealOne) {
  // Its length byte (240 or more) would be read as the record prefix.
  const QByteArray text = "object A: " + QByteArray(250, 'C') + "\r\nend\r\n";
  QByteArray bin = TextToBinary(text);
  EXPECT_EQ(bin.mid(4, 2), QByteArray::fromHex("f0fa"));
  EXPECT_EQ(BinaryToText(bin), text);
  EXPECT_EQ(TextToBinary("object " + QByteArray(239, 'C') + "\r\nend").mid(4, 1), QByteArray::fromHex("ef"));
}

TEST(TextWriter, ANonAsciiIdentifierPutsTheByteOrderMarkFirst) {
  const QByteArray plain = "object A: T\r\nend\r\n";
  EXPECT_EQ(BinaryToText(TextToBinary(plain)), plain);
  const QByteArray accented =
      "\xEF\xBB\xBF"
      "object Bl\xC3\xB6"
      "ck: T\r\n  P = x\r\nend\r\n";
  EXPECT_EQ(BinaryToText(TextToBinary(accented)), accented);
  EXPECT_EQ(ErrorOf([&] { TextToBinary(accented.mid(3)); }), "Identifier expected on line 1")
      << "without the mark the name is no symbol";
}

TEST(TextReader, AcceptsLooseLayoutAnyKeywordCaseAndConcatenation) {
  const QByteArray canonical = "object A: T\r\n  S = 'It'#39's'\r\n  B = {00FF}\r\n  N = 255\r\nend\r\n";
  const QByteArray loose = "OBJECT A : T\n\tS = 'It''s'\n\tB = { 00 fF }\n  N = $FF\nEND\n and anything 'after the end";
  EXPECT_EQ(TextToBinary(loose), TextToBinary(canonical));
  const QByteArray joined = "object A: T\r\n  S = 'ab' +\r\n    'c' + #100\r\nend";
  EXPECT_EQ(BinaryToText(TextToBinary(joined)), "object A: T\r\n  S = 'abcd'\r\nend\r\n");
  // A surrogate pair may be split across a "+".
  const QByteArray pair = "object A: T\r\n  S = #55357 +\r\n #56832\r\nend";
  EXPECT_EQ(BinaryToText(TextToBinary(pair)), "object A: T\r\n  S = #55357#56832\r\nend\r\n");
}

TEST(TextReader, NumbersConvertToTheirTags) {
  struct Case {
    const char* value;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"127", Bytes().Int8(127)},
      {"-32769", Bytes().Tag(vaInt32).Int32(-32769)},
      {"-9223372036854775808", Bytes().Tag(vaInt64).Raw({0, 0, 0, 0, 0, 0, 0, 0x80})},
      {"$FFFFFFFFFFFFFFFF", Bytes().Int8(-1)},
      {"1.0", Bytes().Tag(vaExtended).Raw({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
      {"1E0F", Bytes().Tag(vaExtended).Raw({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
      {"1E-400", Bytes().ExtendedZero()},
      {"1.5s", Bytes().Tag(vaSingle).Raw({0, 0, 0xC0, 0x3F})},
      {"12345c", Bytes().Tag(vaCurrency).Raw({0x39, 0x30, 0, 0, 0, 0, 0, 0})},
      {"2.5C", Bytes().Tag(vaCurrency).Raw({2, 0, 0, 0, 0, 0, 0, 0})},
      {"1d", Bytes().Tag(vaDate).Raw({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
  };
  for (const Case& c : cases) {
    QByteArray bin = TextToBinary(QByteArray("object T\r\n  P = ") + c.value + "\r\nend\r\n");
    EXPECT_EQ(bin.mid(7, bin.size() - 9).toHex(), QByteArray(Bytes().Prop("P").Raw(c.bytes)).toHex()) << c.value;
  }
}

TEST(TextReader, ErrorsNameTheLine) {
  struct Case {
    QByteArray text;
    const char* message;
  };
  const Case cases[] = {
      {"\xFF\xFEo\0b\0", "ANSI or UTF8 encoding expected on line 1"},
      {"\xFE\xFF\0o", "ANSI or UTF8 encoding expected on line 1"},
      {"thing A\r\nend", "OBJECT expected on line 1"},
      {"", "OBJECT expected on line 1"},
      {"object 5\r\nend", "Identifier expected on line 1"},
      {"object A: \r\n5", "Identifier expected on line 2"},
      {"object A\r\n", "Identifier expected on line 2"},
      {"object A\r\n  X 5\r\nend", "''='' expected on line 2"},
      {"object A\r\n  X = 'abc\r\nend", "Invalid string constant on line 2"},
      {"object A\r\n  X = 'abc", "Invalid string constant on line 2"},
      {"object A\r\n  X = #\r\nend", "Invalid string constant on line 2"},
      {"object A\r\n  X = #65536\r\nend", "Invalid string constant on line 2"},
      {"object A\r\n  X = #55357\r\nend", "Invalid string constant on line 2"},
      {"object A\r\n  X = 'a'#56832\r\nend", "Invalid string constant on line 2"},
      {"object A\r\n  X = 'a' +\r\n 5\r\nend", "String expected on line 3"},
      {"object A [x]\r\nend", "Number expected on line 1"},
      {"object A [4294967296]\r\nend", "Number expected on line 1"},
      {"object A [1\r\nend", "'']'' expected on line 2"},
      {"object A\r\n  X = <\r\n    foo\r\n  >\r\nend", "ITEM expected on line 3"},
      {"object A\r\n  X = =\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = 99999999999999999999\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = -\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = 1.2.3\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = 1E400\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = 1E39s\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = 1E19c\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = {0G}\r\nend", "Invalid binary value on line 2"},
      {"object A\r\n  X = {ABC}\r\nend", "Invalid binary value on line 2"},
      {"object A\r\n  X = [a b]\r\nend", "'','' expected on line 2"},
      {"object A\r\n  X = [a, '']\r\nend", "Invalid property value on line 2"},
      {"object A\r\n  X = 'a" + QByteArray(5000, 'a') + "'\r\nend", "Line too long on line 2"},
      // Far down, after short lines that were all found fine in one go.
      {"object A\r\n" + QByteArray("  X = 1\r\n").repeated(400) + "  X = 'a" + QByteArray(5000, 'a') + "'\r\nend",
       "Line too long on line 402"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { TextToBinary(c.text); }), c.message) << c.text.left(60).data();
}

TEST(TextReader, OurOwnTextReadsBackToTheSameBytes) {
  RegisterSampleClasses();
  TOwned<TSampleShape> root(Create<TSampleShape>(nullptr));
  root->SetName("Root");
  root->SetCaption(QString::fromUtf8("Ünïcödé ") + QString(200, 'x') + "\r\n" + QChar(0));
  root->SetAngle(-123456.789);
  root->SetScale(1e-300);
  root->GetLines()->AddStrings(QStringList{"one", "two"});
  root->Blob = QByteArray(100, '\x5a');
  auto* child = Create<TSampleShape>(root.get());
  child->SetName("Child");
  child->SetLink(root.get());
  QByteArray bin = SaveBinary(root.get());
  QByteArray text = BinaryToText(bin);
  EXPECT_TRUE(text.contains("Scale = 0.000000000000000000")) << "18 decimals are all the text form keeps";
  root->SetScale(0);
  bin = SaveBinary(root.get());
  text = BinaryToText(bin);
  EXPECT_EQ(TextToBinary(text), bin) << "values of 16 significant digits come back exactly";
  EXPECT_EQ(BinaryToText(TextToBinary(text)), text);
  for (char c : text) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "ASCII identifiers give ASCII text";
}

TEST(TextWriter, ExtendedValuesAreWrittenFromAllTheirBits) {
  struct Case {
    const char* what;
    uint64_t significand;
    uint16_t signExponent;
    const char* text;
  };
  // The nearest double of the extended 2/3 ends in ...6629, so narrowing first would
  // write ...6600.
  const Case cases[] = {
      {"2/3", 0xAAAAAAAAAAAAAAAB, 0x3FFE, "0.666666666666666700"},
      {"-2/3", 0xAAAAAAAAAAAAAAAB, 0xBFFE, "-0.666666666666666700"},
      {"1/3", 0xAAAAAAAAAAAAAAAB, 0x3FFD, "0.333333333333333300"},
      {"extended 0.1", 0xCCCCCCCCCCCCCCCD, 0x3FFB, "0.100000000000000000"},
      {"small: rounded at the 18th decimal", 0xAAAAAAAAAAAAAAAB, 0x3FED, "0.000005086263020833"},
      {"rounds up to 10^16", 0x8E1BC9BF03FFFE00, 0x4034, "1E16"},
      {"a double's own value", 0x8000000000000000, 0x3FFF, "1.000000000000000000"},
  };
  for (const Case& c : cases) {
    uint8_t bytes[10];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(c.significand >> (8 * i));
    bytes[8] = static_cast<uint8_t>(c.signExponent);
    bytes[9] = static_cast<uint8_t>(c.signExponent >> 8);
    EXPECT_EQ(ValueOf([&](TWriter& w) {
                w.WriteValue(vaExtended);
                w.Write(bytes, 10);
              }),
              c.text)
        << c.what;
  }
}
