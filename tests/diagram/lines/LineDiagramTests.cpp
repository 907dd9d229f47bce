// Lines on a diagram: following the blocks they are anchored to, crossing hops between
// side lines, and documents that bring anchored lines of every style back unchanged.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "../DocumentText.h"
#include "LineFixture.h"
#include "diagram/lines/CrossingHops.h"
#include "platform/core/Stream.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;

class LinesOnADiagram : public ::testing::Test, public TLineFixture {
 protected:
  TCustomDiagramLine* Line(const QString& AName) {
    return dynamic_cast<TCustomDiagramLine*>(Diagram->FindDControl(AName));
  }
};

TEST_F(LinesOnADiagram, JoinAndLeaveTheLineList) {
  auto* l = NewLine({0, 0}, {100, 0});
  EXPECT_EQ(Diagram->LinkCount(), 1);
  EXPECT_EQ(Diagram->GetLinks(0), l);
  l->SetDiagram(nullptr);
  EXPECT_EQ(Diagram->LinkCount(), 0);
}

TEST_F(LinesOnADiagram, MovingABlockInCodeMovesItsLines) {
  TDiagramBlock* a = NewBlock(0, 0, 100, 100);
  TDiagramBlock* b = NewBlock(300, 0, 100, 100);
  auto* l = NewLine({}, {}, a->GetLinkPoints()->GetItems(1), b->GetLinkPoints()->GetItems(3));
  EXPECT_EQ(HandlePoints(l), (TDotArray{{100, 50}, {300, 50}}));
  a->SetTop(20);
  EXPECT_EQ(HandlePoints(l), (TDotArray{{100, 70}, {300, 50}}));
  Diagram->MoveBlocks(10, 0, false, false);
  EXPECT_EQ(HandlePoints(l), (TDotArray{{110, 70}, {310, 50}}));
}

TEST_F(LinesOnADiagram, DetachingAnEndLeavesTheLineWhereItIs) {
  TDiagramBlock* a = NewBlock(0, 0, 100, 100);
  auto* l = NewLine({}, {300, 50}, a->GetLinkPoints()->GetItems(1));
  l->GetSourceLinkPoint()->SetAnchorLink(nullptr);
  a->SetLeft(50);
  EXPECT_EQ(HandlePoints(l), (TDotArray{{100, 50}, {300, 50}}));
}

TEST_F(LinesOnADiagram, ALineAnchoredToItsOwnOtherEndIsFreedCleanly) {
  // Each end must unregister from the other while the line goes; the sanitizer build
  // reports a point left pointing at a freed one.
  auto* l = NewLine({0, 0}, {300, 50});
  TLinkPoints* points = l->GetLinkPoints();
  points->GetItems(0)->SetAnchorLink(points->GetItems(points->Count() - 1));
  auto* other = NewLine({0, 0}, {100, 100}, points->GetItems(0));
  l->Free();
  EXPECT_EQ(other->GetLinkPoints()->GetItems(0)->GetAnchor(), nullptr);
}

TEST_F(LinesOnADiagram, ALineAnchoredToAnotherLineFollowsIt) {
  TDiagramBlock* a = NewBlock(0, 0, 100, 100);
  auto* first = NewLine({}, {300, 50}, a->GetLinkPoints()->GetItems(1));
  auto* second = NewLine({}, {300, 200}, first->GetTargetLinkPoint());
  EXPECT_EQ(second->GetSourceHandle()->GetOrPoint(), (TDot{300, 50}));
  TStretchHandle* end = first->GetTargetHandle();
  THandleMoveInfo info;
  info.AHandle = end;
  info.Delta = {0, 20};
  info.Action = haMoved;
  first->StartResize();
  first->UpdateHandleMove(info);
  EXPECT_EQ(second->GetSourceHandle()->GetOrPoint(), (TDot{300, 70}));
}

TEST_F(LinesOnADiagram, LinesAnchoredInACircleSettle) {
  auto* first = NewLine({0, 0}, {100, 0});
  auto* second = NewLine({}, {100, 100}, first->GetTargetLinkPoint());
  first->GetSourceLinkPoint()->SetAnchorLink(second->GetTargetLinkPoint());
  EXPECT_EQ(first->GetSourceHandle()->GetOrPoint(), (TDot{100, 100}));
  EXPECT_EQ(second->GetSourceHandle()->GetOrPoint(), first->GetTargetHandle()->GetOrPoint());
}

TEST_F(LinesOnADiagram, FreeingTheBlockReleasesTheLine) {
  TDiagramBlock* a = NewBlock(0, 0, 100, 100);
  auto* l = NewLine({}, {300, 50}, a->GetLinkPoints()->GetItems(1));
  a->Free();
  EXPECT_EQ(l->GetSourceLinkPoint()->GetAnchorLink(), nullptr);
  EXPECT_EQ(HandlePoints(l), (TDotArray{{100, 50}, {300, 50}}));
}

TEST_F(LinesOnADiagram, OnlyTheUpperOfTwoCrossingSideLinesHops) {
  // Straight side lines crossing at (50, 50), between facing link points.
  TDiagramBlock* top = NewBlock(0, -100, 100, 100);
  TDiagramBlock* bottom = NewBlock(0, 100, 100, 100);
  TDiagramBlock* left = NewBlock(-100, 0, 100, 100);
  TDiagramBlock* right = NewBlock(100, 0, 100, 100);
  auto* lower =
      NewLine<TDiagramSideLine>({}, {}, top->GetLinkPoints()->GetItems(2), bottom->GetLinkPoints()->GetItems(0));
  auto* upper =
      NewLine<TDiagramSideLine>({}, {}, left->GetLinkPoints()->GetItems(1), right->GetLinkPoints()->GetItems(3));
  ASSERT_EQ(PointsOf(lower).size(), 3u);
  ASSERT_EQ(PointsOf(upper).size(), 3u);
  Diagram->SetShowCrossIndicators(true);
  auto paint = [this](TCustomDiagramLine* L, TDot AProbe) {
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas;
    canvas.SetPainter(&painter);
    TDiagramDrawInfo info;
    info.Canvas = &canvas;
    L->Draw(info);
    painter.end();
    const TDot p = Diagram->ClientToCanvas(AProbe);
    return image.pixel(static_cast<int>(p.X), static_cast<int>(p.Y));
  };
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
  EXPECT_EQ(paint(upper, {48, 48}), black) << "the bump";
  EXPECT_EQ(paint(upper, {50, 50}), white) << "the upper line leaves the crossing";
  EXPECT_EQ(paint(lower, {50, 50}), black) << "the lower line goes straight through";
}

TEST(CrossingHops, StrictBetweennessAndBumpDirections) {
  THelperLine h;
  AddCrossingHops({0, 50}, {100, 50}, {50, 0}, {50, 100}, h);
  EXPECT_EQ(h.Points, (TDotArray{{46, 50}, {50, 46}, {54, 50}})) << "a bump upward";
  h.Points.clear();
  AddCrossingHops({50, 0}, {50, 100}, {0, 50}, {100, 50}, h);
  EXPECT_EQ(h.Points, (TDotArray{{50, 46}, {54, 50}, {50, 54}})) << "a bump to the right";
  h.Points.clear();
  AddCrossingHops({0, 50}, {100, 50}, {50, 50}, {50, 100}, h);
  AddCrossingHops({0, 50}, {100, 50}, {100, 0}, {100, 100}, h);
  EXPECT_TRUE(h.Points.empty()) << "touching is no crossing";
}

TEST(CrossingHops, SortedFromTheSegmentStartKeepingTies) {
  THelperLine h;
  h.AddPoint(30, 0);
  h.AddPoint(10, 1);
  h.AddPoint(10, -1);
  h.SortByDistance({0, 0});
  EXPECT_EQ(h.Points, (TDotArray{{10, 1}, {10, -1}, {30, 0}}));
}

TEST_F(LinesOnADiagram, AnchoredLinesOfEveryStyleReadBackToTheSameText) {
  TDiagramBlock* a = NewBlock(0, 0, 100, 100);
  TDiagramBlock* b = NewBlock(300, 200, 100, 100);
  TLinkPoint* ar = a->GetLinkPoints()->GetItems(1);
  TLinkPoint* ad = a->GetLinkPoints()->GetItems(2);
  TLinkPoint* bl = b->GetLinkPoints()->GetItems(3);
  TLinkPoint* bu = b->GetLinkPoints()->GetItems(0);
  NewLine<TDiagramLine>({}, {}, ar, bl)->GetTargetArrow()->SetShape(asSolidArrow);
  auto* poly = NewLine<TDiagramPolyLine>({}, {}, ad, bu);
  poly->GetHandles()->Add(50, 250, crSizeNWSE, 0, hsSize)->SetIndex(1);
  auto* side = NewLine<TDiagramSideLine>({}, {}, ar, bl);
  THandleMoveInfo drag;
  drag.AHandle = side->GetHandles()->GetItems(1);
  drag.Delta = {30, 0};
  drag.Action = haMoved;
  side->StartResize();
  side->UpdateHandleMove(drag);
  auto* arc = NewLine<TDiagramArc>({}, {}, ad, bl);
  arc->SetArcType(atCircular);
  NewLine<TDiagramBezier>({}, {}, ar, bu)->GetTextCells()->GetItems(0)->SetText("curve");
  NewLine<TDiagramSideLine>({500, 0}, {600, 80});  // free ends

  const QString first = SaveText(Diagram);
  for (const char* cls : {"TDiagramLine", "TDiagramPolyLine", "TDiagramSideLine", "TDiagramArc", "TDiagramBezier"})
    EXPECT_TRUE(first.contains(QString(": ") + cls)) << cls;
  LoadText(Diagram, first);
  const QString second = SaveText(Diagram);
  EXPECT_EQ(FirstDifference(first, second), QString());

  // The loaded lines are anchored again and follow their blocks.
  auto* loadedSide = dynamic_cast<TDiagramSideLine*>(Diagram->GetLinks(2));
  ASSERT_NE(loadedSide, nullptr);
  TLinkPoint* anchor = loadedSide->GetTargetLinkPoint()->GetAnchorLink();
  ASSERT_NE(anchor, nullptr);
  auto* loadedB = dynamic_cast<TDiagramBlock*>(anchor->GetDControl());
  ASSERT_NE(loadedB, nullptr);
  loadedB->SetTop(loadedB->GetTop() + 10);
  EXPECT_EQ(loadedSide->GetTargetHandle()->GetOrPoint(), anchor->DiagramPoint());
}

TEST_F(LinesOnADiagram, AFreeSideLineEndKeepsItsLegAxisThroughADocument) {
  // Routed while anchored to a point leaving downward, then let go: the first leg stays
  // vertical although a free end this far to the side would leave horizontally.
  TDiagramBlock* a = NewBlock(0, 0, 100, 100);
  auto* l = NewLine<TDiagramSideLine>({}, {400, 150}, a->GetLinkPoints()->GetItems(2));
  l->GetSourceLinkPoint()->SetAnchorLink(nullptr);
  const TDotArray before = PointsOf(l);
  ASSERT_EQ(before[0].X, before[1].X) << "vertical first leg";
  const QString name = l->GetName(), first = SaveText(Diagram);
  LoadText(Diagram, first);
  EXPECT_EQ(PointsOf(Line(name)), before);
  EXPECT_EQ(FirstDifference(first, SaveText(Diagram)), QString());
}

TEST_F(LinesOnADiagram, AColouredHeadSurvivesAStreamRoundTrip) {
  auto* l = NewLine({0, 0}, {100, 0});
  l->GetTargetArrow()->SetShape(asDiamond);
  l->GetTargetArrow()->GetPen()->SetColor(Red);
  l->GetTargetArrow()->GetPen()->SetWidth(2);
  l->GetTargetArrow()->GetBrush()->SetColor(Green);
  const QString name = l->GetName();
  LoadText(Diagram, SaveText(Diagram));
  TCustomDiagramLine* loaded = Line(name);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetTargetArrow()->GetShape(), asDiamond);
  EXPECT_EQ(loaded->GetTargetArrow()->GetPen()->GetColor(), Red);
  EXPECT_EQ(loaded->GetTargetArrow()->GetPen()->GetWidth(), 2);
  EXPECT_EQ(loaded->GetTargetArrow()->GetBrush()->GetColor(), Green);
  EXPECT_EQ(loaded->GetSourceArrow()->GetPen()->GetColor(), clBlack);
}

TEST_F(LinesOnADiagram, HandlesAndLinkPointsFollowThePublishedProperties) {
  NewLine<TDiagramSideLine>({0, 0}, {100, 50});
  const QString text = SaveText(Diagram);
  const qsizetype style = text.indexOf("LineStyle = lsSideLine"), orientation = text.indexOf("Orientation2 ="),
                  handles = text.indexOf("Handles = <"), links = text.indexOf("LinkPoints = <");
  EXPECT_GE(style, 0);
  EXPECT_LT(style, orientation);
  EXPECT_LT(orientation, handles);
  EXPECT_LT(handles, links);
}

TEST_F(LinesOnADiagram, EmptyCellsAreLeftOutWhenTheDiagramSaysSo) {
  NewLine({0, 0}, {100, 0});
  EXPECT_TRUE(SaveText(Diagram).contains("TextCells = <"));
  Diagram->SetStoreEmptyCells(false);
  EXPECT_FALSE(SaveText(Diagram).contains("TextCells = <"));
}

}  // namespace
