// Deleting the selection: protected controls and locked layers stay, a non-editable
// diagram deletes nothing, and controls freed under the delete by a handler or by a
// group's teardown are passed over.
#include <gtest/gtest.h>

#include "../blocks/BlockFixture.h"
#include "diagram/model/GroupBlock.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A group that takes its members with it, as an application's group class may.
class TOwningGroup : public TGroupBlock {
  TARNWICK_CLASS(TOwningGroup)

 public:
  using TGroupBlock::TGroupBlock;
  void BeforeDestruction() override {
    FreeMembers();
    TGroupBlock::BeforeDestruction();
  }
};

const TClassInfo& TOwningGroup::StaticClassInfo() {
  static const TClassInfo info("TOwningGroup", &TGroupBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TOwningGroup>(owner); });
  return info;
}

struct Deleting : ::testing::Test, TBlockFixture {
  Deleting() {
    Diagram->OnOperationEnd = [this](TdvDiagram*, const QString& ALabel) { Operations << ALabel; };
  }
  bool OnDiagram(TDiagramControl* C) const {
    for (int i = 0; i < Diagram->DControlCount(); ++i)
      if (Diagram->GetDControls(i) == C) return true;
    return false;
  }
  QStringList Operations;
};

TEST_F(Deleting, ProtectedAndLockedControlsStayAndOneStepIsRecorded) {
  auto* a = NewBlock(0, 0, 10, 10);
  auto* kept = NewBlock(20, 0, 10, 10);
  auto* locked = NewBlock(40, 0, 10, 10);
  auto* b = NewBlock(60, 0, 10, 10);
  kept->SetRestrictions({crNoDelete});
  TDiagramLayer* layer = Diagram->GetLayers()->Add("Locked");
  locked->SetLayerObj(layer);
  layer->SetEditable(false);
  for (auto* c : {a, kept, locked, b}) c->SetSelected(true);
  Diagram->DeleteSelecteds();
  EXPECT_EQ(Diagram->DControlCount(), 2);
  EXPECT_TRUE(OnDiagram(kept));
  EXPECT_TRUE(OnDiagram(locked));
  EXPECT_EQ(Operations, QStringList{"delete"});

  // Nothing selected still records the step.
  Diagram->UnselectAll();
  Operations.clear();
  Diagram->DeleteSelecteds();
  EXPECT_EQ(Operations, QStringList{"delete"});
  EXPECT_EQ(Diagram->DControlCount(), 2);
}

TEST_F(Deleting, ANonEditableDiagramDeletesNothingAndRecordsNothing) {
  auto* a = NewBlock(0, 0, 10, 10);
  a->SetSelected(true);
  Diagram->SetDesignMode(ddmNonEditable);
  Diagram->DeleteSelecteds();
  EXPECT_TRUE(OnDiagram(a));
  EXPECT_TRUE(Operations.isEmpty());
}

TEST_F(Deleting, ControlsFreedUnderTheDeleteArePassedOver) {
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(20, 0, 10, 10);
  auto* c = NewBlock(40, 0, 10, 10);
  for (auto* x : {a, b, c}) x->SetSelected(true);
  // The application frees the next selected control when the first one leaves, and makes
  // a new one (which may well take the freed one's memory).
  int removed = 0;
  TDiagramControl* fresh = nullptr;
  Diagram->OnRemoveDControl = [&](TObject*, TDiagramControl* AControl) {
    ++removed;
    if (AControl != a) return;
    b->Free();
    fresh = NewBlock(0, 50, 10, 10);
  };
  Diagram->DeleteSelecteds();
  ASSERT_EQ(Diagram->DControlCount(), 1);
  EXPECT_EQ(Diagram->GetDControls(0), fresh) << "the new control is not taken for the freed one";
  EXPECT_EQ(removed, 3);
  EXPECT_EQ(Operations, QStringList{"delete"});
}

TEST_F(Deleting, AGroupThatFreesItsMembersTakesThemOutOfTheDeleteList) {
  Diagram->SetCustomGroupBlockClass(&TOwningGroup::StaticClassInfo());
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(20, 0, 10, 10);
  auto* other = NewBlock(40, 0, 10, 10);
  a->SetSelected(true);
  b->SetSelected(true);
  TGroupBlock* g = Diagram->GroupSelectedBlocks();
  ASSERT_NE(dynamic_cast<TOwningGroup*>(g), nullptr);
  other->SetSelected(true);
  ASSERT_EQ(Diagram->SelectedCount(), 4);
  Operations.clear();
  Diagram->DeleteSelecteds();
  EXPECT_EQ(Diagram->DControlCount(), 0);
  EXPECT_EQ(Operations, QStringList{"delete"});
}

TEST_F(Deleting, DeletingAGroupLeavesAProtectedMemberOnTheDiagram) {
  auto* a = NewBlock(0, 0, 10, 10);
  auto* kept = NewBlock(20, 0, 10, 10);
  kept->SetRestrictions({crNoDelete});
  a->SetSelected(true);
  kept->SetSelected(true);
  ASSERT_NE(Diagram->GroupSelectedBlocks(), nullptr);
  Diagram->DeleteSelecteds();
  ASSERT_EQ(Diagram->DControlCount(), 1);
  EXPECT_EQ(Diagram->GetDControls(0), kept);
  EXPECT_EQ(kept->GetGroupBlock(), nullptr);
}

}  // namespace
