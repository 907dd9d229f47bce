// Where a line is: hit testing at the tolerance boundary, the bounding rectangle, and
// the layout of its text cells.
#include <gtest/gtest.h>

#include "LineFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class LineGeometry : public ::testing::Test, public TLineFixture {};

struct THitCase {
  const char* Name;
  TDot P1, P2;
  TPoint Pos;
  bool Hit;
};

// Cases print by name (their raw bytes include padding).
void PrintTo(const THitCase& C, std::ostream* OS) { *OS << C.Name; }

class LineHits : public ::testing::TestWithParam<THitCase>, public TLineFixture {};

TEST_P(LineHits, AtTheToleranceBoundary) {
  const THitCase& c = GetParam();
  auto* l = NewLine(c.P1, c.P2);
  EXPECT_EQ(l->PointInControl(c.Pos), c.Hit);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineHits,
                         ::testing::Values(THitCase{"HorzFive", {0, 0}, {100, 0}, {50, 5}, true},
                                           THitCase{"HorzSix", {0, 0}, {100, 0}, {50, 6}, false},
                                           THitCase{"HorzBeyondEnd", {0, 0}, {100, 0}, {105, 0}, true},
                                           THitCase{"HorzFarBeyondEnd", {0, 0}, {100, 0}, {106, 0}, false},
                                           THitCase{"VertFive", {0, 0}, {0, 100}, {-5, 50}, true},
                                           THitCase{"VertSix", {0, 0}, {0, 100}, {-6, 50}, false},
                                           THitCase{"ObliqueFive", {0, 0}, {100, 100}, {50, 55}, true},
                                           THitCase{"ObliqueSix", {0, 0}, {100, 100}, {50, 56}, false},
                                           THitCase{"ObliqueBeyondEnd", {0, 0}, {100, 100}, {103, 103}, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LineGeometry, ControlRectIsTheBoxOfAllPoints) {
  auto* l = NewLine<TDiagramPolyLine>({0, 0}, {100, 10});
  l->GetHandles()->Add(50, -40, crSizeNWSE, 0, hsSize)->SetIndex(1);
  EXPECT_EQ(l->ControlRect(), (TSquare{0, -40, 100, 10}));
  EXPECT_EQ(l->SurroundRect(), l->ControlRect());
}

TEST_F(LineGeometry, CenterCellSitsAboveALeftToRightLine) {
  auto* l = NewLine({0, 0}, {100, 0});
  TTextCell* cell = l->GetTextCells()->GetItems(0);
  EXPECT_EQ(cell->GetBoundsRect(), (TSquare{-100, -60, 200, 40})) << "300 x 100, centred 10 above the middle";
  EXPECT_FALSE(cell->GetClip());
}

TEST_F(LineGeometry, CenterCellSitsRightOfADownwardLine) {
  auto* l = NewLine({0, 0}, {0, 100});
  EXPECT_EQ(l->GetTextCells()->GetItems(0)->GetBoundsRect(), (TSquare{-140, 0, 160, 100}));
}

TEST_F(LineGeometry, CenterCellOfALineWithoutLengthHasNoOffset) {
  auto* l = NewLine({10, 10}, {10, 10});
  EXPECT_EQ(l->GetTextCells()->GetItems(0)->GetBoundsRect(), (TSquare{-140, -40, 160, 60}));
}

TEST_F(LineGeometry, SegmentCellsFollowTheSegments) {
  auto* l = NewLine<TDiagramPolyLine>({0, 0}, {300, 100});
  l->SetTextCellsMode(tmSegments);
  l->GetHandles()->Add(0, 100, crSizeNWSE, 0, hsSize)->SetIndex(1);
  l->GetHandles()->Add(100, 100, crSizeNWSE, 0, hsSize)->SetIndex(2);
  ASSERT_EQ(l->GetTextCells()->Count(), 3);
  EXPECT_EQ(l->GetTextCells()->GetItems(0)->GetBoundsRect(), (TSquare{-100, 0, 100, 100}));
  EXPECT_EQ(l->GetTextCells()->GetItems(2)->GetBoundsRect(), (TSquare{100, 85, 300, 115}));
  l->GetHandles()->Delete(1);
  l->GetHandles()->Delete(1);
  EXPECT_EQ(l->GetTextCells()->Count(), 1);
}

TEST_F(LineGeometry, SpecificCellsSitBesideTheEnds) {
  auto* l = NewLine({0, 0}, {100, 0});
  l->SetTextCellsMode(tmSpecific);
  EXPECT_EQ(l->GetTextCells()->Count(), 5);
  ASSERT_TRUE(l->GetSourceTextCell() && l->GetTargetTextCell() && l->GetCenterTextCell());
  // Both sit beside their end on the side away from the line, the text toward the end.
  EXPECT_EQ(l->GetSourceTextCell()->GetBoundsRect(), (TSquare{20, -110, 420, -10}));
  EXPECT_EQ(l->GetSourceTextCell()->GetAlignment(), taLeftJustify);
  EXPECT_EQ(l->GetTargetTextCell()->GetBoundsRect(), (TSquare{-320, -110, 80, -10}));
  EXPECT_EQ(l->GetTargetTextCell()->GetAlignment(), taRightJustify);
  EXPECT_EQ(l->GetTargetTextCell()->GetVertAlign(), vaBottom);
  l->SetTextCellsMode(tmSingle);
  EXPECT_EQ(l->GetTextCells()->Count(), 1);
  EXPECT_EQ(l->GetSourceTextCell(), nullptr);
}

}  // namespace
