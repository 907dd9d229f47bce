// Laying out cell text with a fixed-width measurer: every character is 10 units wide,
// except 'W', which is 100 (wider than the narrow cells used here).
#include <gtest/gtest.h>

#include "diagram/model/TextCellPainter.h"
#include "diagram/model/TextLayout.h"

using namespace tarnwick;

namespace {

double Measure(const QString& s) {
  double w = 0;
  for (QChar c : s) w += c == QLatin1Char('W') ? 100 : 10;
  return w;
}

std::vector<QString> Wrap(const QString& text, double width) { return WrapLines(SplitTextLines(text), width, Measure); }

std::vector<QString> L(std::initializer_list<const char*> lines) {
  std::vector<QString> out;
  for (const char* l : lines) out.push_back(QString::fromLatin1(l));
  return out;
}

}  // namespace

TEST(TextLines, LineBreaksOfEveryKindEndALineButTheLastBreakAddsNone) {
  EXPECT_EQ(SplitTextLines(""), L({}));
  EXPECT_EQ(SplitTextLines("one"), L({"one"}));
  EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), L({"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\n"), L({"a"}));
  EXPECT_EQ(SplitTextLines("a\n\nb"), L({"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("\r\n"), L({""}));
}

TEST(TextWrapping, LinesBreakAtSpacesElseInsideWordsAndUnbreakableTextStaysWhole) {
  struct Case {
    const char* name;
    const char* text;
    double width;
    std::vector<QString> lines;
  };
  const Case cases[] = {
      {"fits", "hello", 50, L({"hello"})},
      {"at the space", "hello world", 50, L({"hello", "world"})},
      {"last space that fits", "ab cd ef gh", 50, L({"ab cd", "ef gh"})},
      {"word longer than the width", "abcdefghij", 50, L({"abcde", "fghij"})},
      {"long word, then more words", "abcdefghijk lm", 50, L({"abcde", "fghij", "k lm"})},
      {"empty text", "", 50, L({})},
      {"only spaces that fit", "     ", 50, L({"     "})},
      {"only spaces, too many", "        ", 50, L({"     "})},
      {"leading space", " abcdefg", 50, L({" abcd", "efg"})},
      {"CR LF inside", "ab cd\r\nef", 30, L({"ab", "cd", "ef"})},
      {"empty line kept", "ab\r\n\r\ncd", 30, L({"ab", "", "cd"})},
      {"first character too wide", "Wab cd", 50, L({"Wab cd"})},
      {"nothing fits: rest of the cell unbroken", "ab Wcd\nxx yy zz", 50, L({"ab", "Wcd", "xx yy zz"})},
      {"zero width", "ab cd", 0, L({"ab cd"})},
  };
  for (const auto& k : cases) EXPECT_EQ(Wrap(k.text, k.width), k.lines) << k.name;
}

TEST(TextLayout, LinesAreAlignedInTheRectangle) {
  struct Case {
    TAlignment align;
    TVertAlign vert;
    const char* text;
    TDot first;
  };
  // Rectangle (0, 0, 100, 100), lines 10 high, "abc" 30 wide.
  const Case cases[] = {
      {taLeftJustify, vaTop, "abc", {0, 0}},
      {taRightJustify, vaTop, "abc", {71, 0}},
      {taCenter, vaTop, "abc", {35, 0}},
      {taLeftJustify, vaBottom, "abc", {0, 90}},
      {taLeftJustify, vaCenter, "abc", {0, 45}},
      {taLeftJustify, vaCenter, "abc\nde", {0, 40}},
      {taRightJustify, vaBottom, "abc\nde", {71, 80}},
  };
  for (const auto& k : cases) {
    TTextLayoutOptions o;
    o.Alignment = k.align;
    o.VertAlign = k.vert;
    TTextLayout t = LayoutText(k.text, TSquare{0, 0, 100, 100}, o, Measure, 10);
    ASSERT_FALSE(t.Lines.empty());
    EXPECT_EQ(t.Lines[0].Origin, k.first) << k.text << " " << k.align << "/" << k.vert;
    EXPECT_EQ(t.Lines[0].Start, k.first) << "no angle, no turn";
    EXPECT_EQ(t.Lines[0].Width, 30);
  }
}

TEST(TextLayout, TheBoundsCoverEveryLineOrAreTheRectangleWhenNothingIsLaidOut) {
  TTextLayoutOptions o;
  o.Alignment = taLeftJustify;
  TTextLayout t = LayoutText("abc\nde", TSquare{10, 20, 110, 120}, o, Measure, 10);
  EXPECT_EQ(t.Bounds, (TSquare{10, 20, 40, 40}));
  o.Alignment = taCenter;
  t = LayoutText("abc\nde", TSquare{10, 20, 110, 120}, o, Measure, 10);
  EXPECT_EQ(t.Bounds, (TSquare{45, 20, 75, 40}));
  t = LayoutText("", TSquare{10, 20, 110, 120}, o, Measure, 10);
  EXPECT_TRUE(t.Lines.empty());
  EXPECT_EQ(t.Bounds, (TSquare{10, 20, 110, 120}));
}

TEST(TextLayout, WithoutWordWrapALongLineStaysOneLine) {
  TTextLayoutOptions o;
  o.WordWrap = false;
  o.Alignment = taLeftJustify;
  TTextLayout t = LayoutText("hello wide world", TSquare{0, 0, 50, 50}, o, Measure, 10);
  ASSERT_EQ(t.Lines.size(), 1u);
  EXPECT_EQ(t.Lines[0].Text, "hello wide world");
  EXPECT_EQ(t.Bounds.Right, 160) << "the bounds report the overflow";
}

TEST(TextLayout, TurnedCellsMoveTheLineStartsClockwiseAboutTheCentre) {
  struct Case {
    double angle;
    TDot start;
  };
  const Case cases[] = {{90, {100, 0}}, {180, {100, 100}}, {270, {0, 100}}, {-90, {0, 100}}};
  for (const auto& k : cases) {
    TTextLayoutOptions o;
    o.Alignment = taLeftJustify;
    o.Angle = k.angle;
    o.RotationCenter = TDot{50, 50};
    TTextLayout t = LayoutText("abc", TSquare{0, 0, 100, 100}, o, Measure, 10);
    ASSERT_EQ(t.Lines.size(), 1u);
    EXPECT_EQ(t.Lines[0].Origin, (TDot{0, 0}));
    EXPECT_NEAR(t.Lines[0].Start.X, k.start.X, 1e-9) << k.angle;
    EXPECT_NEAR(t.Lines[0].Start.Y, k.start.Y, 1e-9) << k.angle;
    EXPECT_EQ(t.Bounds, (TSquare{0, 0, 30, 10})) << "bounds stay in the unturned frame";
  }
}

TEST(TextLayout, TheFontEscapementTurnsTheOtherWayInTenthsOfADegree) {
  struct Case {
    double angle;
    int escapement;
  };
  const Case cases[] = {{0, 0}, {90, 2700}, {-30, 300}, {360, 0}, {450, 2700}, {12.34, 3477}};
  for (const auto& k : cases) EXPECT_EQ(TextEscapement(k.angle), k.escapement) << k.angle;
}
