// The stored rules, defaults and follow rules of text cells and their frames.
#include <gtest/gtest.h>

#include "../TestControls.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Counts what a cell's changes reach on its control.
class TCountingBlock : public TTestBlock {
 public:
  using TTestBlock::TTestBlock;
  int Redraws = 0;
  int CellChanges = 0;
  void Redraw() override { ++Redraws; }
  void TextCellsChanged() override {
    ++CellChanges;
    TTestBlock::TextCellsChanged();
  }
};

bool Written(TTextCell* cell, const char* name) {
  const TPropInfo* p = TTextCell::StaticClassInfo().FindProperty(name);
  return p && p->IsStored(*cell) && !p->IsDefaultValue(*cell);
}

}  // namespace

TEST(TextCellRules, ANewCellCarriesItsDefaultsAndAClosedTransparentFrame) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* c = b->GetTextCells()->Add();
  EXPECT_TRUE(c->GetVisible());
  EXPECT_FALSE(c->GetReadOnly());
  EXPECT_TRUE(c->GetDControlFont());
  EXPECT_TRUE(c->GetDControlAngle());
  EXPECT_EQ(c->GetAlignment(), taCenter);
  EXPECT_EQ(c->GetVertAlign(), vaTop);
  EXPECT_TRUE(c->GetWordWrap());
  EXPECT_FALSE(c->GetClip());
  EXPECT_TRUE(c->GetRotateFont());
  EXPECT_TRUE(c->GetParentTransparency());
  EXPECT_EQ(c->GetTransparency(), 0);
  EXPECT_EQ(c->GetBoundsRect(), (TSquare{0, 0, 0, 0}));
  EXPECT_TRUE(c->GetText().isEmpty());
  TTextCellFrame* f = c->GetCellFrame();
  EXPECT_EQ(f->GetColor(), clWhite);
  EXPECT_TRUE(f->GetTransparent());
  EXPECT_FALSE(f->GetAutoFrame());
  EXPECT_EQ(f->GetAutoFrameMargin(), 0);
  EXPECT_FALSE(f->GetVisible());
  b->Free();
}

TEST(TextCellRules, PropertiesWrittenAlwaysAndThoseWrittenOnlyWhenSet) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* c = b->GetTextCells()->Add();
  for (const char* name : {"DControlAngle", "Clip", "WordWrap", "DControlFont", "Alignment", "VertAlign", "RotateFont",
                           "CellFrame", "Visible", "ReadOnly", "Transparency"})
    EXPECT_TRUE(Written(c, name)) << name << " is written always";
  for (const char* name : {"Font", "Angle", "Left", "Top", "Width", "Height", "Text", "ParentTransparency"})
    EXPECT_FALSE(Written(c, name)) << name << " is not written at its default";
  c->SetBounds(1, 2, 3, 4);
  c->SetParentTransparency(false);
  for (const char* name : {"Left", "Top", "Width", "Height", "ParentTransparency"})
    EXPECT_TRUE(Written(c, name)) << name;

  // The order of the stream is fixed: the follow flag for the angle comes before the
  // angle, so reading the flag cannot wipe the angle read after it.
  const TClassInfo& info = TTextCell::StaticClassInfo();
  std::vector<QString> names;
  for (const TPropInfo& p : info.Properties()) names.push_back(p.Name);
  auto at = [&](const char* n) { return std::find(names.begin(), names.end(), QString(n)) - names.begin(); };
  EXPECT_LT(at("Font"), at("DControlAngle"));
  EXPECT_LT(at("DControlAngle"), at("Angle"));
  EXPECT_LT(at("Angle"), at("Left"));
  EXPECT_LT(at("ReadOnly"), at("ParentTransparency"));
  b->Free();
}

TEST(TextCellRules, FontColourAndAngleFollowTheControlUntilTheCellSetsItsOwn) {
  auto* b = Create<TTestBlock>(nullptr);
  b->SetAngle(30);
  b->GetFont()->SetColor(clRed);
  TTextCell* c = b->GetTextCells()->Add();
  EXPECT_EQ(c->GetAngle(), 30) << "a new cell takes the control's angle";
  EXPECT_EQ(c->GetFont()->GetColor(), clRed) << "and its font";

  b->GetFont()->SetColor(clBlue);
  b->GetFont()->SetName("Courier New");
  b->SetAngle(45);
  EXPECT_EQ(c->GetFont()->GetColor(), clBlue);
  EXPECT_EQ(c->GetFont()->GetName(), "Courier New");
  EXPECT_EQ(c->GetAngle(), 45);
  EXPECT_TRUE(c->GetDControlFont()) << "following does not count as the cell's own change";
  EXPECT_TRUE(c->GetDControlAngle());

  c->GetFont()->SetColor(clGreen);
  c->SetAngle(10);
  b->GetFont()->SetColor(clYellow);
  b->SetAngle(60);
  EXPECT_EQ(c->GetFont()->GetColor(), clGreen);
  EXPECT_EQ(c->GetAngle(), 10);
  EXPECT_TRUE(Written(c, "Font"));
  EXPECT_TRUE(Written(c, "Angle"));

  c->SetDControlFont(true);
  c->SetDControlAngle(true);
  EXPECT_EQ(c->GetFont()->GetColor(), clYellow) << "following again copies at once";
  EXPECT_EQ(c->GetAngle(), 60);
  b->Free();
}

TEST(TextCellRules, AssignCopiesTextAndLayoutButNotFrameOrTransparency) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* src = b->GetTextCells()->Add();
  TTextCell* dst = b->GetTextCells()->Add();
  src->SetBounds(5, 6, 70, 80);
  src->SetAngle(20);
  src->SetText("copy me");
  src->SetClip(true);
  src->SetWordWrap(false);
  src->SetAlignment(taRightJustify);
  src->SetVertAlign(vaBottom);
  src->SetRotateFont(false);
  src->SetVisible(false);
  src->SetReadOnly(true);
  src->SetTransparency(40);
  src->GetCellFrame()->SetVisible(true);

  dst->Assign(src);
  EXPECT_EQ(dst->GetBoundsRect(), (TSquare{5, 6, 75, 86}));
  EXPECT_EQ(dst->GetAngle(), 20);
  EXPECT_FALSE(dst->GetDControlAngle());
  EXPECT_EQ(dst->GetText(), "copy me");
  EXPECT_TRUE(dst->GetClip());
  EXPECT_FALSE(dst->GetWordWrap());
  EXPECT_EQ(dst->GetAlignment(), taRightJustify);
  EXPECT_EQ(dst->GetVertAlign(), vaBottom);
  EXPECT_FALSE(dst->GetRotateFont());
  EXPECT_FALSE(dst->GetVisible());
  EXPECT_TRUE(dst->GetReadOnly());
  EXPECT_FALSE(dst->GetDControlFont()) << "the font copy makes the font the cell's own";
  EXPECT_EQ(dst->GetTransparency(), 0);
  EXPECT_FALSE(dst->GetCellFrame()->GetVisible());
  b->Free();
}

TEST(TextCellRules, ChangesReachTheControlAndFrameChangesRepaintIt) {
  auto* b = Create<TCountingBlock>(nullptr);
  TTextCell* c = b->GetTextCells()->Add();
  b->CellChanges = 0;
  c->SetText("x");
  c->SetText("x");
  EXPECT_EQ(b->CellChanges, 1) << "an equal value changes nothing";
  c->SetBoundsRect(TSquare{0, 0, 10, 10});
  c->SetBoundsRect(TSquare{10, 10, 0, 0});
  EXPECT_EQ(b->CellChanges, 2) << "the reversed rectangle normalises to the same one";

  b->Redraws = 0;
  TTextCellFrame* f = c->GetCellFrame();
  f->SetColor(clRed);
  f->SetTransparent(false);
  f->GetPen()->SetColor(clBlue);
  f->GetBrush()->SetColor(clLime);
  EXPECT_EQ(b->Redraws, 4);

  TTextCell* other = b->GetTextCells()->Add();
  other->GetCellFrame()->Assign(f);
  EXPECT_EQ(other->GetCellFrame()->GetColor(), clRed);
  EXPECT_FALSE(other->GetCellFrame()->GetTransparent());
  EXPECT_EQ(other->GetCellFrame()->GetPen()->GetColor(), clBlue);
  EXPECT_EQ(other->GetCellFrame()->GetBrush()->GetColor(), clLime);
  b->Free();
}

TEST(TextCellRules, TransparencyStaysAPercentage) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* c = b->GetTextCells()->Add();
  struct Case {
    int in, stored;
  };
  for (const Case k : {Case{50, 50}, Case{-5, 0}, Case{100, 100}, Case{250, 100}}) {
    c->SetTransparency(k.in);
    EXPECT_EQ(c->GetTransparency(), k.stored) << k.in;
  }
  b->Free();
}
