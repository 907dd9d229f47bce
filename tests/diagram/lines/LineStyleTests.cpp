// How each style keeps its handles: straight lines, poly lines, side lines in a diagram
// (leg memory, FixedSideLines), arcs and Bezier curves.
#include <gtest/gtest.h>

#include "../DocumentText.h"
#include "LineFixture.h"
#include "geometry/Squares.h"
#include "geometry/Vectors.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class LineStyles : public ::testing::Test, public TLineFixture {
 protected:
  // Drags handle AIndex of L by ADelta to completion.
  void DragHandle(TCustomDiagramLine* L, int AIndex, TDot ADelta) {
    L->StartResize();
    THandleMoveInfo info;
    info.AHandle = L->GetHandles()->GetItems(AIndex);
    info.Delta = ADelta;
    info.Action = haMoved;
    L->UpdateHandleMove(info);
  }
  // Moves the whole line by ADelta the way the mouse does.
  void DragLine(TCustomDiagramLine* L, TDot ADelta) {
    L->StartMove();
    TControlMoveInfo info;
    info.Delta = ADelta;
    info.Action = caMoved;
    L->UpdateMove(info);
  }
  static void ExpectNear(TDot A, TDot B, const char* What) {
    EXPECT_NEAR(A.X, B.X, 1e-9) << What;
    EXPECT_NEAR(A.Y, B.Y, 1e-9) << What;
  }
};

TEST_F(LineStyles, ANewStraightLine) {
  auto* l = Create<TDiagramLine>(Form);
  EXPECT_EQ(HandlePoints(l), (TDotArray{{0, 0}, {100, 50}}));
  EXPECT_EQ(l->GetLinkPoints()->Count(), 2);
  EXPECT_EQ(l->GetTextCells()->Count(), 1);
  EXPECT_EQ(PointsOf(l), (TDotArray{{0, 0}, {100, 50}}));
  EXPECT_EQ(l->GetLineStyle(), lsLine);
  l->Free();
}

TEST_F(LineStyles, AClickInsertsALineOfTheDefaultSize) {
  auto* l = Create<TDiagramLine>(Form);
  TControlInsertInfo info;
  info.Action = iaInserted;
  info.P1 = {20, 30};
  info.P2 = {20, 30};
  info.Clicked = true;
  l->UpdateInsert(info);
  EXPECT_EQ(HandlePoints(l), (TDotArray{{20, 30}, {120, 80}}));
  l->Free();
}

TEST_F(LineStyles, PolyLineInnerHandlesMoveOnlyWithTheLineOrTheirOwnDrag) {
  auto* l = NewLine<TDiagramPolyLine>({0, 0}, {100, 0});
  l->GetHandles()->Add(50, 50, crSizeNWSE, 0, hsSize)->SetIndex(1);
  l->RecalcHandles();
  EXPECT_EQ(HandlePoints(l), (TDotArray{{0, 0}, {50, 50}, {100, 0}}));
  DragHandle(l, 2, {0, 10});
  EXPECT_EQ(HandlePoints(l), (TDotArray{{0, 0}, {50, 50}, {100, 10}}));
  DragHandle(l, 1, {5, 5});
  EXPECT_EQ(HandlePoints(l), (TDotArray{{0, 0}, {55, 55}, {100, 10}}));
  DragLine(l, {10, 0});
  EXPECT_EQ(HandlePoints(l), (TDotArray{{10, 0}, {65, 55}, {110, 10}}));
}

TEST_F(LineStyles, PolyLineIsDrawnPointByPoint) {
  auto* l = Create<TDiagramPolyLine>(Form);
  EXPECT_EQ(l->GetInsertStyle(), isDraw);
  TControlDrawInfo info;
  info.Action = daStart;
  info.P1 = {0, 0};
  l->UpdateDraw(info);
  for (TDot p : {TDot{50, 0}, TDot{50, 50}}) {
    info.Action = daStep;
    info.P2 = p;
    l->UpdateDraw(info);
  }
  EXPECT_EQ(HandlePoints(l), (TDotArray{{0, 0}, {50, 0}, {50, 50}}));
  l->Free();
}

// Two blocks whose facing link points are at (0, 0) (leaving right) and (100, 50)
// (leaving left).
class SideLines : public LineStyles {
 protected:
  void SetUp() override {
    A = NewBlock(-100, -50, 100, 100);
    B = NewBlock(100, 0, 100, 100);
    Line = NewLine<TDiagramSideLine>({}, {}, A->GetLinkPoints()->GetItems(1), B->GetLinkPoints()->GetItems(3));
  }
  // Moves both blocks in code, one after the other; the line follows each.
  void MoveBlocks(TDot D) {
    for (TDiagramBlock* b : {A, B}) b->SetBoundsRect(OffsetSquare(b->GetBoundsRect(), D));
  }
  TDiagramBlock* A = nullptr;
  TDiagramBlock* B = nullptr;
  TDiagramSideLine* Line = nullptr;
};

TEST_F(SideLines, RouteBetweenFacingLinkPoints) {
  EXPECT_EQ(PointsOf(Line), (TDotArray{{0, 0}, {45, 0}, {45, 50}, {100, 50}}));
  EXPECT_EQ(HandlePoints(Line), (TDotArray{{0, 0}, {45, 25}, {100, 50}}));
  EXPECT_EQ(Line->GetSourceHandle()->GetData(), 1);
  EXPECT_EQ(Line->GetTargetHandle()->GetData(), 1);
  EXPECT_EQ(Line->GetOrientation1(), aoHorz);
  EXPECT_EQ(Line->GetTextCells()->Count(), 3) << "one cell per segment";
}

TEST_F(SideLines, DraggedLegIsRemembered) {
  DragHandle(Line, 1, {20, 0});
  EXPECT_EQ(PointsOf(Line), (TDotArray{{0, 0}, {65, 0}, {65, 50}, {100, 50}}));
  // Moving one block reroutes; the leg keeps its distance from the start.
  B->SetTop(B->GetTop() + 10);
  EXPECT_EQ(PointsOf(Line), (TDotArray{{0, 0}, {65, 0}, {65, 60}, {100, 60}}));
}

TEST_F(SideLines, BothEndsMovingTogetherKeepTheShape) {
  MoveBlocks({30, 20});
  EXPECT_EQ(PointsOf(Line), (TDotArray{{30, 20}, {75, 20}, {75, 70}, {130, 70}}));
}

TEST_F(SideLines, FixedSideLinesKeepLegsWhereTheyAre) {
  Diagram->SetFixedSideLines(true);
  MoveBlocks({30, 20});
  EXPECT_EQ(PointsOf(Line), (TDotArray{{30, 20}, {45, 20}, {45, 70}, {130, 70}}));
}

// Moves every block record of a saved document by (ADx, ADy): what a program that edits
// the file, or a copy of the blocks saved elsewhere, would hand us.
QString MoveBlocksInText(QString AText, double ADx, double ADy) {
  QStringList lines = AText.split("\r\n");
  bool inBlock = false;
  for (QString& line : lines) {
    if (line.startsWith("  object ")) inBlock = line.endsWith(": TDiagramBlock");
    if (!inBlock) continue;
    for (auto [key, delta] : {std::pair{QString("    Left = "), ADx}, std::pair{QString("    Top = "), ADy}})
      if (line.startsWith(key))
        line = key + QString::number(line.mid(key.size()).toDouble() + delta, 'f', 18);
  }
  return lines.join("\r\n");
}

TEST_F(SideLines, AMovedLegIsStillThereAfterSavingAndOpening) {
  DragHandle(Line, 1, {20, 0});
  ASSERT_EQ(PointsOf(Line), (TDotArray{{0, 0}, {65, 0}, {65, 50}, {100, 50}}));
  const TDotArray before = HandlePoints(Line);
  const QString text = SaveText(Diagram);

  TLineFixture other;
  LoadText(other.Diagram, text);
  auto* loaded = dynamic_cast<TDiagramSideLine*>(other.Diagram->FindDControl(Line->GetName()));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(HandlePoints(loaded), before);
  EXPECT_EQ(PointsOf(loaded), (TDotArray{{0, 0}, {65, 0}, {65, 50}, {100, 50}}));
  EXPECT_EQ(SaveText(other.Diagram), text) << FirstDifference(SaveText(other.Diagram), text).toStdString();
  // The loaded line keeps remembering: moving a block reroutes around the same leg.
  dynamic_cast<TCustomDiagramBlock*>(other.Diagram->FindBlock(B->GetName()))->SetTop(10);
  EXPECT_EQ(PointsOf(loaded), (TDotArray{{0, 0}, {65, 0}, {65, 60}, {100, 60}}));
}

TEST_F(SideLines, BlocksMovedInTheFileTakeTheRememberedLegAlong) {
  DragHandle(Line, 1, {20, 0});
  // Block B's top is 0, which a document leaves out: the blocks move sideways only.
  const QString text = MoveBlocksInText(SaveText(Diagram), 30, 0);
  TLineFixture other;
  LoadText(other.Diagram, text);
  auto* loaded = dynamic_cast<TDiagramSideLine*>(other.Diagram->FindDControl(Line->GetName()));
  ASSERT_NE(loaded, nullptr);
  // The leg keeps its distance from the start, as when both blocks move in the editor.
  EXPECT_EQ(PointsOf(loaded), (TDotArray{{30, 0}, {95, 0}, {95, 50}, {130, 50}}));
  EXPECT_EQ(HandlePoints(loaded), (TDotArray{{30, 0}, {95, 25}, {130, 50}}));
}

TEST_F(SideLines, AnAnchorNamingNoControlLeavesAFreeEndThatStillFollowsTheOther) {
  QString text = SaveText(Diagram);
  const QString anchor = "Anchor = __DSOwner___." + B->GetName();
  ASSERT_TRUE(text.contains(anchor));
  text.replace(anchor, "Anchor = __DSOwner___.NoSuchBlock");
  TLineFixture other;
  LoadText(other.Diagram, text);
  auto* loaded = dynamic_cast<TDiagramSideLine*>(other.Diagram->FindDControl(Line->GetName()));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetTargetLinkPoint()->GetAnchorLink(), nullptr);
  EXPECT_EQ(loaded->GetTargetLinkPoint()->GetAnchorIndex(), -1);
  dynamic_cast<TCustomDiagramBlock*>(other.Diagram->FindBlock(A->GetName()))->SetTop(-40);
  EXPECT_EQ(PointsOf(loaded).front(), (TDot{0, 10})) << "the anchored end still follows its block";
  EXPECT_EQ(PointsOf(loaded).back(), (TDot{100, 50})) << "the free end stays where it was stored";
}

TEST_F(SideLines, ChangingTheStyleRebuildsTheHandles) {
  Line->SetLineStyle(lsLine);
  EXPECT_EQ(HandlePoints(Line), (TDotArray{{0, 0}, {100, 50}}));
  Line->SetLineStyle(lsSideLine);
  EXPECT_EQ(HandlePoints(Line), (TDotArray{{0, 0}, {45, 25}, {100, 50}}));
}

TEST_F(LineStyles, BezierControlHandles) {
  auto* l = NewLine<TDiagramBezier>({0, 0}, {100, 50});
  const TDotArray h = HandlePoints(l);
  ASSERT_EQ(h.size(), 4u);
  ExpectNear(h[1], {10, -20}, "first control");
  ExpectNear(h[2], {90, 70}, "second control");
  EXPECT_GT(PointsOf(l).size(), 4u) << "flattened curve";
  EXPECT_EQ(PointsOf(l).front(), (TDot{0, 0}));

  DragHandle(l, 2, {5, 5});
  ExpectNear(HandlePoints(l)[1], {10, -20}, "the other control stays");
  ExpectNear(HandlePoints(l)[2], {95, 75}, "the dragged control follows");

  // Moving the line carries the controls along with the chord.
  DragLine(l, {10, 0});
  ExpectNear(HandlePoints(l)[1], {20, -20}, "first control translated");
  ExpectNear(HandlePoints(l)[2], {105, 75}, "second control translated");
}

TEST_F(LineStyles, ParabolicMiddleHandleOnlyChangesTheBulge) {
  auto* l = NewLine<TDiagramArc>({0, 0}, {100, 0});
  ExpectNear(HandlePoints(l)[1], {50, -25}, "a quarter of the chord to the left");
  DragHandle(l, 1, {30, -10});
  ExpectNear(HandlePoints(l)[1], {50, -35}, "stays on the bisector");
}

TEST_F(LineStyles, CircularMiddleHandleFollowsTheMouse) {
  auto* l = NewLine<TDiagramArc>({0, 0}, {100, 0});
  l->SetArcType(atCircular);
  EXPECT_EQ(l->GetLineStyle(), lsCircularArc);
  const TDot before = HandlePoints(l)[1];
  DragHandle(l, 1, {30, -10});
  ExpectNear(HandlePoints(l)[1], AddDots(before, {30, -10}), "follows");
}

TEST_F(LineStyles, CircularArcMiddleTurnsAndScalesWithTheChord) {
  auto* l = NewLine<TDiagramArc>({0, 0}, {100, 0});
  l->SetArcType(atCircular);
  // Turning the chord a quarter turn about the start and doubling it.
  DragHandle(l, 2, {-100, 200});
  ExpectNear(HandlePoints(l)[1], {50, 100}, "middle mapped with the chord");
  ExpectNear(PointsOf(l).front(), {0, 0}, "the arc starts at the start");

  l->SetRecalcIntermediateArcHandles(false);
  DragHandle(l, 2, {50, 0});
  ExpectNear(HandlePoints(l)[1], {50, 100}, "stays when not recalculated");
}

TEST_F(LineStyles, ArcsWithCoincidentEndsPaintTheirHandles) {
  auto* l = NewLine<TDiagramArc>({0, 0}, {100, 0});
  DragHandle(l, 2, {-97, 3});
  const TDotArray h = HandlePoints(l);
  EXPECT_EQ(PointsOf(l), h);
}

}  // namespace
