// Aligning, sizing and spacing the selected blocks against the first one selected.
#include <gtest/gtest.h>

#include "../blocks/BlockFixture.h"
#include "diagram/view/BlockAlignment.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class Alignment : public ::testing::Test, public TBlockFixture {
 protected:
  // Selects the blocks in the order given: the first is the champion.
  void Select(std::initializer_list<TCustomDiagramBlock*> ABlocks) {
    for (TCustomDiagramBlock* b : ABlocks) b->SetSelected(true);
  }
  bool Run(TBlocksAlignment A) { return AlignBlocks(Diagram, A, List); }
  TBlockList List;
};

TEST_F(Alignment, EdgesAndCentresFollowTheFirstSelectedBlock) {
  auto* champion = NewBlock(100, 40, 50, 20);
  auto* other = NewBlock(10, 200, 30, 60);
  Select({champion, other});
  struct Case {
    TBlocksAlignment alignment;
    double left, top;
  };
  const Case cases[] = {{baLeft, 100, 200},       {baRight, 120, 200},       {baTop, 10, 40},
                        {baBottom, 10, 0},        {baHorzCenter, 110, 200},  {baVertCenter, 10, 20}};
  for (const Case& c : cases) {
    other->SetBoundsRect(TSquare{10, 200, 40, 260});
    ASSERT_TRUE(Run(c.alignment));
    EXPECT_EQ(other->GetLeft(), c.left) << BlocksAlignmentCaption(c.alignment).toStdString();
    EXPECT_EQ(other->GetTop(), c.top) << BlocksAlignmentCaption(c.alignment).toStdString();
    EXPECT_EQ(champion->GetBoundsRect(), (TSquare{100, 40, 150, 60})) << "the champion keeps its place";
  }
}

TEST_F(Alignment, SizesFollowTheChampionUnlessABlockMayNotResize) {
  auto* champion = NewBlock(0, 0, 80, 40);
  auto* plain = NewBlock(100, 0, 20, 10);
  auto* fixed = NewBlock(200, 0, 20, 10);
  auto* ratio = NewBlock(300, 0, 20, 10);
  fixed->SetRestrictions({crNoResize});
  ratio->SetRestrictions({crKeepRatio});
  Select({champion, plain, fixed, ratio});
  Run(baSameWidth);
  EXPECT_EQ(plain->GetWidth(), 80);
  EXPECT_EQ(plain->GetHeight(), 10);
  Run(baSameSize);
  EXPECT_EQ(plain->GetHeight(), 40);
  for (auto* b : {fixed, ratio}) {
    EXPECT_EQ(b->GetWidth(), 20);
    EXPECT_EQ(b->GetHeight(), 10);
  }
}

TEST_F(Alignment, ABlockThatMayNotMoveStaysWhileTheOthersAlign) {
  auto* champion = NewBlock(100, 0, 10, 10);
  auto* pinned = NewBlock(0, 50, 10, 10);
  auto* free = NewBlock(30, 100, 10, 10);
  pinned->SetRestrictions({crNoMove});
  Select({champion, pinned, free});
  Run(baLeft);
  EXPECT_EQ(pinned->GetLeft(), 0);
  EXPECT_EQ(free->GetLeft(), 100);
}

TEST_F(Alignment, EqualSpacingKeepsTheOuterBlocksAndSpreadsTheInnerOnes) {
  // Selected out of order: the distribution sorts by position.
  auto* right = NewBlock(100, 0, 20, 10);
  auto* first = NewBlock(0, 0, 10, 10);
  auto* middle = NewBlock(50, 0, 10, 10);
  Select({right, first, middle});
  Run(baSameSpaceHorz);
  EXPECT_EQ(first->GetLeft(), 0);
  EXPECT_EQ(middle->GetLeft(), 50);  // 10 + (120 - 0 - 40) / 2
  EXPECT_EQ(right->GetLeft(), 100);
  middle->SetLeft(20);
  Run(baSameSpaceHorz);
  EXPECT_EQ(middle->GetLeft(), 50);
}

TEST_F(Alignment, VerticalSpacingWorksOnTopsAndHeights) {
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(0, 15, 10, 30);
  auto* c = NewBlock(0, 100, 10, 20);
  Select({a, b, c});
  Run(baSameSpaceVert);
  EXPECT_EQ(b->GetTop(), 10 + (120 - 60) / 2.0);
}

TEST_F(Alignment, IncrementAndDecrementStepByTheGridAtTheZoom) {
  Diagram->GetSnapGrid()->SetSizeX(10);
  Diagram->SetZoom(200);
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(50, 0, 10, 10);
  auto* c = NewBlock(100, 0, 10, 10);
  Select({a, b, c});
  Run(baIncHorzSpace);
  EXPECT_EQ(c->GetLeft(), 120) << "20 units: the grid step at 200 %";
  EXPECT_EQ(b->GetLeft(), 60);
  Run(baDecHorzSpace);
  EXPECT_EQ(c->GetLeft(), 100);
  EXPECT_EQ(b->GetLeft(), 50);
  // Decrementing until the last block would pass the first lines the left edges up.
  for (int i = 0; i < 5; ++i) Run(baDecHorzSpace);
  EXPECT_EQ(a->GetLeft(), 0);
  EXPECT_EQ(b->GetLeft(), 0);
  EXPECT_EQ(c->GetLeft(), 0);
}

TEST_F(Alignment, NothingRunsForFewerThanTwoBlocksAndSpacingNeedsThree) {
  auto* a = NewBlock(0, 0, 10, 10);
  auto* b = NewBlock(40, 30, 10, 10);
  EXPECT_FALSE(CanAlignBlocks(Diagram, baLeft));
  a->SetSelected(true);
  EXPECT_FALSE(Run(baLeft));
  b->SetSelected(true);
  EXPECT_TRUE(CanAlignBlocks(Diagram, baLeft));
  EXPECT_FALSE(CanAlignBlocks(Diagram, baSameSpaceHorz));
  EXPECT_FALSE(CanAlignBlocks(nullptr, baLeft));
}

TEST_F(Alignment, EveryAlignmentHasItsCaption) {
  EXPECT_EQ(BlocksAlignmentCaption(baLeft), "Align left edges");
  EXPECT_EQ(BlocksAlignmentCaption(baIncrVertSpace), "Increment vertical space");
  EXPECT_EQ(BlocksAlignmentCaption(baDecVertSpace), "Decrement vertical space");
  for (int i = baLeft; i <= baDecVertSpace; ++i)
    EXPECT_FALSE(BlocksAlignmentCaption(static_cast<TBlocksAlignment>(i)).isEmpty());
}

}  // namespace
