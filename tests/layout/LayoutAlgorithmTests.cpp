// The layouts a user can choose, on the graph shapes diagrams have: trees, graphs with a
// cycle, several unconnected parts, nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "LayoutFixture.h"
#include "diagram/view/Diagram.h"
#include "layout/AreaGeometry.h"
#include "layout/AutoLayout.h"

namespace tarnwick::test {
namespace {

struct TAlgorithmCase {
  const char* Name;
  TLayoutOptions Options;
};

const TAlgorithmCase kCases[] = {
    {"LayeredTopToBottom", {laLayered, ldTopToBottom, 40}},
    {"LayeredLeftToRight", {laLayered, ldLeftToRight, 30}},
    {"Force", {laForce, ldTopToBottom, 40}},
    {"Circular", {laCircular, ldTopToBottom, 20}},
};

class LayoutAlgorithm : public TLayoutFixture, public testing::TestWithParam<TAlgorithmCase> {
 protected:
  // Lays out and checks what every layout promises: sizes kept, no two blocks overlapping,
  // the drawing's top-left corner where it was.
  void LayOut(const std::vector<TDiagramBlock*>& ABlocks) {
    std::vector<TBox> before;
    double left = std::numeric_limits<double>::max(), top = left;
    for (auto* b : ABlocks) {
      before.push_back(BoxOf(b));
      left = std::min(left, b->GetLeft());
      top = std::min(top, b->GetTop());
    }
    LayoutDiagram(*Diagram, GetParam().Options);
    double leftAfter = std::numeric_limits<double>::max(), topAfter = leftAfter;
    for (size_t i = 0; i < ABlocks.size(); ++i) {
      EXPECT_EQ(ABlocks[i]->GetWidth(), before[i].Width);
      EXPECT_EQ(ABlocks[i]->GetHeight(), before[i].Height);
      leftAfter = std::min(leftAfter, ABlocks[i]->GetLeft());
      topAfter = std::min(topAfter, ABlocks[i]->GetTop());
    }
    ExpectNoOverlaps(ABlocks);
    if (!ABlocks.empty()) {
      EXPECT_NEAR(leftAfter, std::round(left), 1.0);
      EXPECT_NEAR(topAfter, std::round(top), 1.0);
    }
  }

  bool Layered() const { return GetParam().Options.Algorithm == laLayered; }

  // In a layered layout the source of an edge comes wholly before its target.
  void ExpectDownstream(TDiagramBlock* ASource, TDiagramBlock* ATarget) {
    if (!Layered()) return;
    if (GetParam().Options.Direction == ldTopToBottom)
      EXPECT_LE(ASource->GetTop() + ASource->GetHeight(), ATarget->GetTop())
          << ASource->GetName().toStdString() << " -> " << ATarget->GetName().toStdString();
    else
      EXPECT_LE(ASource->GetLeft() + ASource->GetWidth(), ATarget->GetLeft())
          << ASource->GetName().toStdString() << " -> " << ATarget->GetName().toStdString();
  }
};

TEST_P(LayoutAlgorithm, LeavesAnEmptyDiagramEmpty) {
  LayoutDiagram(*Diagram, GetParam().Options);
  EXPECT_EQ(Diagram->BlockCount(), 0);
}

TEST_P(LayoutAlgorithm, LaysATreeOutWithParentsBeforeChildren) {
  auto b = NewBlocks(7, /*AStacked=*/true);
  const std::pair<int, int> edges[] = {{0, 1}, {0, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}};
  for (auto [from, to] : edges) Connect(b[from], b[to]);
  LayOut(b);
  for (auto [from, to] : edges) ExpectDownstream(b[from], b[to]);
}

TEST_P(LayoutAlgorithm, CopesWithACycle) {
  auto b = NewBlocks(5, /*AStacked=*/true);
  for (int i = 0; i < 5; ++i) Connect(b[i], b[(i + 1) % 5]);
  Connect(b[0], b[2]);
  LayOut(b);
}

TEST_P(LayoutAlgorithm, KeepsUnconnectedPartsApart) {
  auto b = NewBlocks(9);
  Connect(b[0], b[1]);
  Connect(b[1], b[2]);
  Connect(b[3], b[4]);
  // Blocks 5 to 8 stand alone; one joins itself.
  Connect(b[5], b[5]);
  LayOut(b);
  ExpectDownstream(b[0], b[1]);
  ExpectDownstream(b[3], b[4]);
}

// Large graphs take the cheaper settings of each engine; they must still keep blocks apart.
TEST_P(LayoutAlgorithm, KeepsTheBlocksOfALargeGraphApart) {
  auto b = NewBlocks(260, /*AStacked=*/true);
  std::mt19937 random(11);
  for (int i = 0; i < 390; ++i) {
    const size_t from = random() % b.size(), to = random() % b.size();
    if (from != to) Connect(b[std::min(from, to)], b[std::max(from, to)]);
  }
  LayOut(b);
}

TEST_P(LayoutAlgorithm, RoutesSideLinesAfreshBetweenTheirBlocks) {
  auto b = NewBlocks(3, /*AStacked=*/true);
  auto* side = NewLine<TDiagramSideLine>({}, {}, b[0]->GetLinkPoints()->GetItems(2), b[1]->GetLinkPoints()->GetItems(0));
  Connect(b[1], b[2]);
  LayOut(b);
  const TDotArray points = PointsOf(side);
  ASSERT_GE(points.size(), 2u);
  EXPECT_EQ(points.front(), b[0]->GetLinkPoints()->GetItems(2)->DiagramPoint());
  EXPECT_EQ(points.back(), b[1]->GetLinkPoints()->GetItems(0)->DiagramPoint());
  for (size_t i = 1; i < points.size(); ++i)
    EXPECT_TRUE(points[i].X == points[i - 1].X || points[i].Y == points[i - 1].Y)
        << "leg " << i << " from " << points[i - 1] << " to " << points[i] << " is not orthogonal";
}

INSTANTIATE_TEST_SUITE_P(Each, LayoutAlgorithm, testing::ValuesIn(kCases),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(LayoutOptions, NamesReadBackAndUnknownNamesAreRefused) {
  for (TLayoutAlgorithm a : {laLayered, laForce, laCircular}) EXPECT_EQ(AlgorithmFromName(AlgorithmName(a)), a);
  for (TLayoutDirection d : {ldTopToBottom, ldLeftToRight}) EXPECT_EQ(DirectionFromName(DirectionName(d)), d);
  EXPECT_EQ(AlgorithmFromName("Layered"), laLayered);
  EXPECT_FALSE(AlgorithmFromName("spiral"));
  EXPECT_FALSE(DirectionFromName(""));
}

TEST(AreaGeometry, SpreadsStackedAndCloseNodesUntilTheGapHolds) {
  TLayoutArea area;
  // Three on one spot, one half a unit beside them, one far away and already clear.
  for (int i = 0; i < 3; ++i) area.AddBlock(0, 0, 50, 30);
  area.AddBlock(1, 0, 51, 30);
  area.AddBlock(5000, 5000, 10, 10);
  SpreadNodesApart(area, 10);
  EXPECT_FALSE(AnyNodesOverlap(area, 10));
  for (const auto& node : area.Blocks) EXPECT_TRUE(node->Width == 50 || node->Width == 51 || node->Width == 10);
}

TEST(AreaGeometry, LeavesAClearAreaAlone) {
  TLayoutArea area;
  area.AddBlock(0, 0, 50, 30);
  area.AddBlock(60, 0, 50, 30);
  SpreadNodesApart(area, 10);
  EXPECT_EQ(area.Blocks[1]->Left, 60);
  EXPECT_TRUE(AnyNodesOverlap(area, 11));
  MoveAreaTo(area, -5, 7);
  EXPECT_EQ(area.Blocks[0]->Left, -5);
  EXPECT_EQ(area.Blocks[1]->Top, 7);
}

}  // namespace
}  // namespace tarnwick::test
