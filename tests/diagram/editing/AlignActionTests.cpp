// The alignment command as an action: one "Align" step per run on a mixed selection, a
// control that may not move left in place, its enabling rule, the default action that
// takes over the last alignment, and its guarded diagram.
#include <gtest/gtest.h>

#include "../blocks/BlockFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/view/actions/DiagramAlign.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct AlignAction : ::testing::Test, TBlockFixture {
  AlignAction() {
    Diagram->OnOperationEnd = [this](TdvDiagram*, const QString& ALabel) { Operations << ALabel; };
    Action.SetDiagram(Diagram);
  }
  QStringList Operations;
  TDiagramAlign Action;
};

TEST_F(AlignAction, EveryAlignmentRunsAsOneStepAndLeavesAFixedBlockWhereItIs) {
  auto* champion = NewBlock(100, 40, 50, 20);
  auto* other = NewBlock(10, 200, 30, 60);
  auto* fixed = NewBlock(300, 300, 40, 40);
  fixed->SetRestrictions({crNoMove});
  auto* line = Create<TDiagramLine>(Form);
  line->SetDiagram(Diagram);
  for (TDiagramControl* c : {static_cast<TDiagramControl*>(champion), static_cast<TDiagramControl*>(other),
                             static_cast<TDiagramControl*>(line), static_cast<TDiagramControl*>(fixed)})
    c->SetSelected(true);
  for (int i = baLeft; i <= baDecVertSpace; ++i) {
    const auto alignment = static_cast<TBlocksAlignment>(i);
    SCOPED_TRACE(BlocksAlignmentCaption(alignment).toStdString());
    champion->SetBoundsRect(TSquare{100, 40, 150, 60});
    other->SetBoundsRect(TSquare{10, 200, 40, 260});
    fixed->SetBoundsRect(TSquare{300, 300, 340, 340});
    Operations.clear();
    Action.SetBlockAlignment(alignment);
    Action.Update();
    EXPECT_TRUE(Action.isEnabled());
    EXPECT_TRUE(Action.Execute());
    EXPECT_EQ(Operations, QStringList{"Align"});
    EXPECT_EQ(Action.GetList().Count(), 3) << "lines are not aligned";
    if (alignment <= baVertCenter) {
      EXPECT_EQ(fixed->GetBoundsRect(), (TSquare{300, 300, 340, 340}));
      EXPECT_NE(other->GetBoundsRect(), (TSquare{10, 200, 40, 260}));
    }
    if (alignment == baSameSize) {
      EXPECT_EQ(fixed->GetBoundsRect(), (TSquare{300, 300, 350, 320}));
    }
  }
}

TEST_F(AlignAction, EnabledForTwoBlocksOrThreeForSpacing) {
  EXPECT_EQ(Action.GetCaption(), "Align horizontal centers");
  EXPECT_EQ(Action.GetHint(), "Align horizontal centers");
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(50, 50, 10, 10);
  auto* c = NewBlock(100, 0, 10, 10);
  a->SetSelected(true);
  Action.Update();
  EXPECT_FALSE(Action.isEnabled());
  EXPECT_TRUE(Action.Execute()) << "too few blocks: nothing happens, still handled";
  EXPECT_TRUE(Operations.isEmpty());
  b->SetSelected(true);
  Action.Update();
  EXPECT_TRUE(Action.isEnabled());
  Action.SetBlockAlignment(baSameSpaceHorz);
  EXPECT_EQ(Action.GetCaption(), "Space equally horizontally");
  Action.Update();
  EXPECT_FALSE(Action.isEnabled());
  c->SetSelected(true);
  Action.Update();
  EXPECT_TRUE(Action.isEnabled());
  // Triggering the action runs it.
  Action.trigger();
  EXPECT_EQ(Operations, QStringList{"Align"});
}

TEST_F(AlignAction, TheDefaultActionTakesOverTheAlignmentThatRan) {
  auto* a = NewBlock(100, 0, 50, 10);
  auto* b = NewBlock(0, 50, 10, 10);
  auto repeat = std::make_unique<TDiagramAlign>();
  Action.SetDefaultAlignment(repeat.get());
  Action.SetBlockAlignment(baRight);
  Action.SetImageIndex(7);
  a->SetSelected(true);
  Action.Execute();
  EXPECT_EQ(repeat->GetBlockAlignment(), baHorzCenter) << "nothing ran for one block";
  b->SetSelected(true);
  Action.Execute();
  EXPECT_EQ(b->GetLeft(), 140);
  EXPECT_EQ(repeat->GetBlockAlignment(), baRight);
  EXPECT_EQ(repeat->GetImageIndex(), 7);
  EXPECT_EQ(repeat->GetCaption(), "Align right edges");
  EXPECT_EQ(repeat->GetHint(), "Align right edges");
  repeat.reset();
  EXPECT_EQ(Action.GetDefaultAlignment(), nullptr);
  Action.Execute();
  EXPECT_EQ(Operations.count("Align"), 2);
}

TEST(DiagramActions, TheDiagramReferenceIsClearedWhenTheDiagramGoes) {
  TDiagramAlign action;
  {
    TBlockFixture f;
    action.SetDiagram(f.Diagram);
    EXPECT_EQ(action.GetDiagram(), f.Diagram);
  }
  EXPECT_EQ(action.GetDiagram(), nullptr);
  EXPECT_TRUE(action.Update());
  EXPECT_FALSE(action.isEnabled());
  EXPECT_TRUE(action.Execute());
}

}  // namespace
