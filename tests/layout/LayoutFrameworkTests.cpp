// The layout hook on its own: what the graph holds, how positions go back, what it leaves.
#include <gtest/gtest.h>

#include <array>

#include "LayoutFixture.h"
#include "diagram/view/Diagram.h"

namespace tarnwick::test {
namespace {

// Records the area it is given and moves every node by a fixed amount.
class TShiftLayout : public TDiagramLayout {
 public:
  explicit TShiftLayout(int ADx = 0, int ADy = 0) : FDx(ADx), FDy(ADy) {}
  void Execute(TLayoutArea& AArea) override {
    Seen.clear();
    Edges.clear();
    for (auto& node : AArea.Blocks) {
      Seen.push_back({node->Left, node->Top, node->Width, node->Height});
      EXPECT_EQ(node->FIntObj, nullptr);
      node->Left += FDx;
      node->Top += FDy;
      // Sizes are the algorithm's to read, not to change.
      node->Width = 1;
      node->Height = 1;
    }
    for (auto& edge : AArea.Connections) {
      EXPECT_EQ(edge->Obj, nullptr);
      Edges.push_back({IndexOf(AArea, edge->FromBlock), IndexOf(AArea, edge->ToBlock)});
    }
    ApplyNodes(AArea);
  }
  static int IndexOf(const TLayoutArea& AArea, const TLayoutBlock* ANode) {
    for (size_t i = 0; i < AArea.Blocks.size(); ++i)
      if (AArea.Blocks[i].get() == ANode) return static_cast<int>(i);
    return -1;
  }
  std::vector<std::array<int, 4>> Seen;
  std::vector<std::pair<int, int>> Edges;

 private:
  int FDx, FDy;
};

class TFailingLayout : public TDiagramLayout {
 public:
  void Execute(TLayoutArea& AArea) override {
    for (auto& node : AArea.Blocks) node->Left += 500;
    throw Exception("no room");
  }
};

struct LayoutFramework : TLayoutFixture, testing::Test {};

TEST_F(LayoutFramework, AnEmptyDiagramGivesAnEmptyAreaAndNothingChanges) {
  TShiftLayout layout(10, 10);
  Diagram->ApplyLayout(layout);
  EXPECT_TRUE(layout.Seen.empty());
  EXPECT_TRUE(layout.Edges.empty());
}

TEST_F(LayoutFramework, NodesAreTheBlocksRoundedHalvesToEven) {
  TDiagramBlock* a = NewBlock(10.5, 20.5, 60.5, 40.4);
  TDiagramBlock* b = NewBlock(11.5, 21.5, 61.5, 40.6);
  TShiftLayout layout;
  Diagram->ApplyLayout(layout);
  ASSERT_EQ(layout.Seen.size(), 2u);
  EXPECT_EQ(layout.Seen[0], (std::array<int, 4>{10, 20, 60, 40}));
  EXPECT_EQ(layout.Seen[1], (std::array<int, 4>{12, 22, 62, 41}));
  // A node the layout left alone puts its block on the rounded place; sizes stay as they were.
  EXPECT_EQ(a->GetLeft(), 10);
  EXPECT_EQ(a->GetTop(), 20);
  EXPECT_EQ(b->GetLeft(), 12);
  EXPECT_EQ(b->GetTop(), 22);
  EXPECT_DOUBLE_EQ(a->GetWidth(), 60.5);
  EXPECT_DOUBLE_EQ(b->GetHeight(), 40.6);
}

TEST_F(LayoutFramework, EdgesComeOnlyFromLinesAnchoredAtTwoBlocks) {
  auto blocks = NewBlocks(3);
  Connect(blocks[0], blocks[1]);
  // A free end, an end on another line, and a line from the last block back to the first.
  NewLine({0, 0}, {5, 5}, blocks[1]->GetLinkPoints()->GetItems(2), nullptr);
  TDiagramLine* carrier = NewLine({400, 400}, {500, 500});
  TDiagramLine* onLine = NewLine({}, {}, blocks[2]->GetLinkPoints()->GetItems(0), nullptr);
  onLine->GetTargetLinkPoint()->SetAnchorLink(carrier->GetTargetLinkPoint());
  ASSERT_EQ(onLine->GetTargetLinkPoint()->GetAnchor(), carrier);
  NewLine({}, {}, blocks[2]->GetLinkPoints()->GetItems(1), blocks[0]->GetLinkPoints()->GetItems(3));
  TShiftLayout layout;
  Diagram->ApplyLayout(layout);
  EXPECT_EQ(layout.Edges, (std::vector<std::pair<int, int>>{{0, 1}, {2, 0}}));
}

TEST_F(LayoutFramework, PositionsGoBackWithoutAnUndoStepOrAChangeReport) {
  auto blocks = NewBlocks(2);
  Connect(blocks[0], blocks[1]);
  Diagram->ClearUndoStack();
  int reports = 0;
  Diagram->OnModified = [&](TObject*) { ++reports; };
  TShiftLayout layout(30, -20);
  Diagram->ApplyLayout(layout);
  EXPECT_EQ(blocks[0]->GetLeft(), 130);
  EXPECT_EQ(blocks[0]->GetTop(), 30);
  EXPECT_EQ(reports, 0);
  EXPECT_TRUE(Diagram->NextUndoAction().isEmpty());
}

TEST_F(LayoutFramework, EachStepTheLayoutShowsReachesTheExecutersEvent) {
  NewBlocks(2);
  TShiftLayout layout(5, 5);
  TDiagramLayoutExecuter executer(Diagram);
  int steps = 0;
  executer.OnLayoutStep = [&](TDiagramLayoutExecuter* AExecuter, TDiagramLayout* ALayout, TLayoutArea* AArea) {
    ++steps;
    EXPECT_EQ(AExecuter, &executer);
    EXPECT_EQ(ALayout, &layout);
    // A handler may show the intermediate state.
    AExecuter->ApplyAreaInDiagram(*AArea);
  };
  executer.ApplyLayout(layout);
  EXPECT_EQ(steps, 1);
  // The forwarder belonged to the executer; the layout no longer calls it.
  EXPECT_FALSE(layout.OnApplyNodes);
}

TEST_F(LayoutFramework, AFailingLayoutMovesNothing) {
  auto blocks = NewBlocks(2);
  TFailingLayout layout;
  EXPECT_THROW(Diagram->ApplyLayout(layout), Exception);
  EXPECT_EQ(blocks[0]->GetLeft(), 100);
  EXPECT_EQ(blocks[1]->GetLeft(), 110);
}

}  // namespace
}  // namespace tarnwick::test
