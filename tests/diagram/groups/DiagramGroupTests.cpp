// Groups made, broken, resized and turned through the diagram and its widget, the
// selection block that stands for a group selection, and the bounds of a selection.
#include <gtest/gtest.h>

#include <climits>

#include "../DocumentText.h"
#include "../interaction/MouseFixture.h"
#include "GroupFixture.h"
#include "diagram/lines/LineClasses.h"
#include "platform/core/ClassRegistry.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class TPlainGroup : public TGroupBlock {
  TARNWICK_CLASS(TPlainGroup)

 public:
  using TGroupBlock::TGroupBlock;
};

const TClassInfo& TPlainGroup::StaticClassInfo() {
  static const TClassInfo info("TPlainGroup", &TGroupBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TPlainGroup>(owner); });
  return info;
}

struct DiagramGroups : ::testing::Test, TMouseFixture {
  TCustomDiagramBlock* SelBlock() const { return dynamic_cast<TCustomDiagramBlock*>(Diagram->GetSelBlockControl()); }
  int Groups() const {
    int n = 0;
    for (int i = 0; i < Diagram->DControlCount(); ++i)
      if (Diagram->GetDControls(i)->IsGroup()) ++n;
    return n;
  }
  TStretchHandle* Handle(TCustomDiagramBlock* B, THandleStyle AStyle) {
    TStretchHandle* best = nullptr;
    for (int i = 0; i < B->GetHandles()->Count(); ++i) {
      TStretchHandle* h = B->GetHandles()->GetItems(i);
      if (h->GetStyle() != AStyle) continue;
      const TDot p = h->GetOrPoint();
      if (!best || p.X + p.Y > best->GetOrPoint().X + best->GetOrPoint().Y) best = h;
    }
    return best;
  }
  QPoint CanvasAt(TDot P) const { return At(P.X, P.Y); }
};

TEST_F(DiagramGroups, GroupingTheSelectionMakesOneSelectedGroupAsOneStep) {
  auto* a = NewBlock(100, 100, 50, 50);
  auto* b = NewBlock(200, 120, 50, 50);
  auto* c = NewBlock(300, 100, 50, 50);
  a->SetSelected(true);
  EXPECT_EQ(Diagram->GroupSelectedBlocks(), nullptr) << "one control makes no group";
  EXPECT_EQ(Groups(), 0);
  EXPECT_TRUE(Operations.isEmpty());

  b->SetSelected(true);
  TGroupBlock* g = Diagram->GroupSelectedBlocks();
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(Operations, QStringList{"group"});
  EXPECT_TRUE(g->GetName().startsWith("___dgrGroup___"));
  ASSERT_EQ(g->GetMemberCount(), 2);
  EXPECT_EQ(g->GetMember(0), a);
  EXPECT_EQ(g->GetMember(1), b);
  ExpectSquare(g->GetBoundsRect(), {100, 100, 250, 170});
  EXPECT_TRUE(g->GetSelected());
  EXPECT_TRUE(a->GetSelected() && b->GetSelected()) << "members stay selected with their group";
  EXPECT_FALSE(c->GetSelected());

  // Grouping the group with another control nests it; a member is never taken twice.
  c->SetSelected(true);
  Operations.clear();
  TGroupBlock* outer = Diagram->GroupSelectedBlocks();
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(Operations, QStringList{"group"});
  EXPECT_EQ(outer->GetMemberCount(), 2);
  EXPECT_EQ(g->GetGroupBlock(), outer);
  EXPECT_EQ(a->GetGroupBlock(), g);

  // Ungrouping frees only the selected group in no group; its members stay.
  Operations.clear();
  Diagram->UngroupSelectedBlocks();
  EXPECT_EQ(Operations, QStringList{"ungroup"});
  EXPECT_EQ(Groups(), 1);
  EXPECT_EQ(g->GetGroupBlock(), nullptr);
  EXPECT_EQ(c->GetGroupBlock(), nullptr);
  EXPECT_EQ(a->GetGroupBlock(), g);
  EXPECT_EQ(Diagram->BlockCount(), 4);

  Diagram->UnselectAll();
  a->SetSelected(true);
  Operations.clear();
  Diagram->UngroupSelectedBlocks();
  EXPECT_TRUE(Operations.isEmpty()) << "no selected group, nothing recorded";
  EXPECT_EQ(Groups(), 1);
}

TEST_F(DiagramGroups, AddGroupMakesTheCustomClassWhichThenReadsBack) {
  UnRegisterClass(TPlainGroup::StaticClassInfo());
  Diagram->SetCustomGroupBlockClass(&TDiagramBlock::StaticClassInfo());
  EXPECT_EQ(Diagram->GetCustomGroupBlockClass(), nullptr) << "only group classes are taken";
  Diagram->SetCustomGroupBlockClass(&TPlainGroup::StaticClassInfo());
  EXPECT_NE(GetClass("TPlainGroup"), nullptr);
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(20, 0, 10, 10);
  a->SetSelected(true);
  b->SetSelected(true);
  TGroupBlock* g = Diagram->GroupSelectedBlocks();
  ASSERT_NE(dynamic_cast<TPlainGroup*>(g), nullptr);
  EXPECT_EQ(g->GetOwner(), Form);

  const QString text = SaveText(Diagram);
  TGroupFixture other;
  LoadText(other.Diagram, text);
  EXPECT_EQ(FirstDifference(SaveText(other.Diagram), text).toStdString(), "");
}

TEST_F(DiagramGroups, AGroupResizesAndTurnsItsMembersThroughItsHandles) {
  auto* a = NewBlock(100, 100, 50, 50);
  auto* b = NewBlock(200, 100, 50, 50);
  a->SetSelected(true);
  b->SetSelected(true);
  TGroupBlock* g = Diagram->GroupSelectedBlocks();
  ASSERT_NE(g, nullptr);
  Diagram->UnselectAll();
  // A click on a member selects its group.
  Press(At(125, 125));
  Release(At(125, 125));
  ASSERT_TRUE(g->GetSelected());

  Operations.clear();
  DragFromTo(At(250, 150), At(400, 200));
  EXPECT_EQ(Operations, QStringList{"resize"});
  ExpectSquare(g->GetBoundsRect(), {100, 100, 400, 200});
  ExpectSquare(a->GetBoundsRect(), {100, 100, 200, 200});
  ExpectSquare(b->GetBoundsRect(), {300, 100, 400, 200});

  // Turning the group by a quarter turns both members about its centre.
  TStretchHandle* rotate = Handle(g, hsRotate);
  ASSERT_NE(rotate, nullptr);
  const TDot centre{250, 150};
  const TDot from = rotate->DiagramPoint();
  const TDot to{centre.X - (from.Y - centre.Y), centre.Y + (from.X - centre.X)};
  Operations.clear();
  DragFromTo(CanvasAt(from), CanvasAt(to));
  EXPECT_EQ(Operations.size(), 1);
  EXPECT_NEAR(g->GetAngle(), 90, 1);
  EXPECT_NEAR(a->GetAngle(), 90, 1);
  EXPECT_NEAR(b->GetAngle(), 90, 1);
  ExpectSquare(a->GetBoundsRect(), {200, 0, 300, 100}, 3);
  ExpectSquare(b->GetBoundsRect(), {200, 200, 300, 300}, 3);
}

TEST_F(DiagramGroups, TheSelectionBlockEnclosesAGroupSelectionAndResizesIt) {
  EXPECT_EQ(Diagram->DControlCount(), 0) << "the selection block is in no list";
  ASSERT_NE(SelBlock(), nullptr);
  Diagram->SetSelectionMode(slmGroup);
  auto* a = NewBlock(100, 100, 50, 50);
  auto* b = NewBlock(200, 150, 50, 50, 90);
  auto* line = Create<TDiagramLine>(Form);
  line->SetDiagram(Diagram);
  TControlInsertInfo info;
  info.Action = iaInserted;
  info.P1 = TDot{120, 300};
  info.P2 = TDot{180, 320};
  line->UpdateInsert(info);

  int modified = 0;
  Diagram->OnModified = [&](TObject*) { ++modified; };
  Diagram->SelectAll();
  ExpectSquare(SelBlock()->GetBoundsRect(), {100, 100, 250, 320});
  EXPECT_EQ(modified, 0) << "fitting the selection block changes no document";
  EXPECT_FALSE(SaveText(Diagram).contains("TSelectionBlock"));
  Diagram->UnselectAll();
  b->SetSelected(true);
  EXPECT_EQ(SelBlock()->GetAngle(), 90) << "a lone block lends the selection block its angle";
  // Selected with others, the selection is measured in the selection block's frame.
  a->SetSelected(true);
  ExpectSquare(SelBlock()->GetBoundsRect(), {125, 75, 225, 225});
  Diagram->UnselectAll();
  EXPECT_EQ(SelBlock()->GetAngle(), 0);
  EXPECT_EQ(SelBlock()->GetRotationCenter(), (TDot{50, 50}));

  // Two blocks in group mode resize together through the selection block's corner.
  line->Free();
  b->SetAngle(0);
  a->SetSelected(true);
  b->SetSelected(true);
  ExpectSquare(SelBlock()->GetBoundsRect(), {100, 100, 250, 200});
  Operations.clear();
  DragFromTo(At(250, 200), At(400, 300));
  EXPECT_EQ(Operations, QStringList{"resize"});
  ExpectSquare(a->GetBoundsRect(), {100, 100, 200, 200});
  ExpectSquare(b->GetBoundsRect(), {300, 200, 400, 300});

  // Moving the selection carries the selection block once, not its former members twice.
  Diagram->MoveBlocks(10, 0, true, true);
  ExpectSquare(a->GetBoundsRect(), {110, 100, 210, 200});
  ExpectSquare(SelBlock()->GetBoundsRect(), {110, 100, 410, 300});
}

// Headless: a diagram in a window pushes content at negative coordinates back into view.
TEST(SelectionBounds, EncloseNegativeAndTurnedSelections) {
  TGroupFixture f;
  TdvDiagram* d = f.Diagram;
  ExpectSquare(d->SelectionBounds(false, 0), {double(INT_MAX), double(INT_MAX), 0, 0});
  auto* a = f.Block(-100, -80, -50, -40);
  auto* b = f.Block(-30, -20, -10, -5);
  a->SetSelected(true);
  b->SetSelected(true);
  ExpectSquare(d->SelectionBounds(true, 0), {-100, -80, -10, -5});
  d->UnselectAll();

  // A turned block counts with its turned corners; measured in a turned frame, a box
  // keeps its centre and swaps its sides.
  auto* c = f.Block(0, 0, 100, 20);
  c->SetAngle(90);
  c->SetSelected(true);
  ExpectSquare(d->SelectionBounds(true, 0), {40, -40, 60, 60});
  ExpectSquare(d->SelectionBounds(true, 90), {0, 0, 100, 20});
  // Lines count unless only blocks are asked for.
  auto* line = f.Line(TDot{0, 100}, TDot{200, 150});
  line->SetSelected(true);
  ExpectSquare(d->SelectionBounds(true, 0), {40, -40, 60, 60});
  ExpectSquare(d->SelectionBounds(false, 0), {0, -40, 200, 150});
  // A member of a selected group counts through its group only.
  d->UnselectAll();
  auto* g = d->AddGroup();
  g->GetMembers()->Add(a);
  d->SetGroupSelected(g, true);
  ExpectSquare(d->SelectionBounds(true, 0), {-100, -80, -50, -40});
}

TEST_F(DiagramGroups, CircularMembershipFromADocumentIsRefusedAndTheDiagramStaysUsable) {
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(20, 0, 10, 10);
  a->SetSelected(true);
  TGroupBlock* g1 = Diagram->AddGroup();
  g1->GetMembers()->Add(a);
  TGroupBlock* g2 = Diagram->AddGroup();
  g2->GetMembers()->Add(b);
  QString text = SaveText(Diagram);
  // Each group names the other as its member.
  text.replace("." + a->GetName() + "\r\n", "." + g2->GetName() + "\r\n");
  text.replace("." + b->GetName() + "\r\n", "." + g1->GetName() + "\r\n");

  TMouseFixture other;
  ASSERT_NO_THROW(LoadText(other.Diagram, text));
  TdvDiagram* d = other.Diagram;
  // No control is its own ancestor: every climb ends.
  for (int i = 0; i < d->DControlCount(); ++i) {
    int depth = 0;
    for (TDiagramControl* c = d->GetDControls(i); c && depth <= d->DControlCount(); c = c->GetGroupBlock()) ++depth;
    EXPECT_LE(depth, d->DControlCount());
  }
  // A group cannot be made a member of its own member through the diagram either.
  auto* inner = dynamic_cast<TGroupBlock*>(d->FindDControl(g2->GetName()));
  auto* outer = dynamic_cast<TGroupBlock*>(d->FindDControl(g1->GetName()));
  ASSERT_TRUE(inner && outer);
  TGroupBlock* top = inner->GetGroupBlock() ? outer : inner;
  TGroupBlock* below = top == inner ? outer : inner;
  EXPECT_FALSE(below->GetMembers()->Add(top));

  d->SelectAll();
  d->MoveBlocks(5, 5, true, true);
  // The two blocks lost their groups to the renaming; with the outer group they group.
  TGroupBlock* all = d->GroupSelectedBlocks();
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->GetMemberCount(), 3);
  EXPECT_EQ(top->GetGroupBlock(), all);
  d->UngroupSelectedBlocks();
  EXPECT_EQ(top->GetGroupBlock(), nullptr);
  d->SelectAll();
  d->DeleteSelecteds();
  EXPECT_EQ(d->DControlCount(), 0);
}

}  // namespace
