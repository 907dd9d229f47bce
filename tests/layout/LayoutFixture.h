#pragma once
// Diagrams of blocks joined by lines, and the checks every layout must pass on them.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "../diagram/lines/LineFixture.h"
#include "diagram/layout/DiagramLayout.h"

namespace tarnwick::test {

struct TLayoutFixture : TLineFixture {
  // N blocks of assorted sizes in a row, all at the same place when AStacked.
  std::vector<TDiagramBlock*> NewBlocks(int N, bool AStacked = false) {
    std::vector<TDiagramBlock*> blocks;
    for (int i = 0; i < N; ++i)
      blocks.push_back(NewBlock(AStacked ? 100 : 100 + i * 10, AStacked ? 100 : 50 + i * 5, 60 + (i % 3) * 20,
                                40 + (i % 2) * 30));
    return blocks;
  }

  // A straight line from A's bottom link point to B's top link point.
  TDiagramLine* Connect(TDiagramBlock* A, TDiagramBlock* B) {
    return NewLine({}, {}, A->GetLinkPoints()->GetItems(2), B->GetLinkPoints()->GetItems(0));
  }

  struct TBox {
    double Left, Top, Width, Height;
  };
  static TBox BoxOf(TDiagramBlock* B) { return {B->GetLeft(), B->GetTop(), B->GetWidth(), B->GetHeight()}; }

  static bool Overlap(const TBox& A, const TBox& B) {
    return A.Left < B.Left + B.Width && B.Left < A.Left + A.Width && A.Top < B.Top + B.Height &&
           B.Top < A.Top + A.Height;
  }

  static void ExpectNoOverlaps(const std::vector<TDiagramBlock*>& ABlocks) {
    for (size_t i = 0; i < ABlocks.size(); ++i)
      for (size_t j = i + 1; j < ABlocks.size(); ++j)
        EXPECT_FALSE(Overlap(BoxOf(ABlocks[i]), BoxOf(ABlocks[j])))
            << ABlocks[i]->GetName().toStdString() << " overlaps " << ABlocks[j]->GetName().toStdString();
  }
};

}  // namespace tarnwick::test
