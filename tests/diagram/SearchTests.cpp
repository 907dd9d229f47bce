// Searches by position: controls topmost first with filters, link points with their
// tolerance and precedence, handles of selected controls, and hints.
#include <gtest/gtest.h>

#include "TestControls.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(ControlAtPos, TheTopmostHitWinsAndHiddenControlsAreSkipped) {
  TDiagramFixture f;
  auto* below = f.AddBlock(10, 10, 100, 100);
  auto* above = f.AddBlock(50, 50, 150, 150);
  EXPECT_EQ(f.Diagram->DControlAtPos({60, 60}), above);
  EXPECT_EQ(f.Diagram->DControlAtPos({20, 20}), below);
  EXPECT_EQ(f.Diagram->DControlAtPos({200, 200}), nullptr);
  above->SetVisible(false);
  EXPECT_EQ(f.Diagram->DControlAtPos({60, 60}), below);
}

TEST(ControlAtPos, TheSurroundRectangleIsWidenedByFiveWithItsRightEdgeExcluded) {
  TDiagramFixture f;
  auto* b = f.AddBlock(10, 10, 100, 100);
  b->HitSlack = 10;  // the control's own test accepts more than the rectangle
  EXPECT_EQ(f.Diagram->DControlAtPos({104, 50}), b) << "4 units beside the outline";
  EXPECT_EQ(f.Diagram->DControlAtPos({105, 50}), nullptr) << "right edge excluded";
  EXPECT_EQ(f.Diagram->DControlAtPos({5, 50}), b) << "left edge included";
  b->HitSlack = 0;
  EXPECT_EQ(f.Diagram->DControlAtPos({104, 50}), nullptr) << "the control's own test decides";
}

TEST(ControlAtPos, FiltersRejectHitsWithoutStoppingTheWalk) {
  TDiagramFixture f;
  auto* bottom = f.AddBlock(0, 0, 100, 100);
  auto* member = f.AddBlock(0, 0, 100, 100);
  auto* group = f.AddGroup({member});
  group->SetBounds(0, 0, 100, 100);
  f.Diagram->MoveControlIndex(member, 2);
  // Order bottom to top: bottom, group, member.
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmAll, cfAll), member);
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmAll, cfIgnoreMembers), group);
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmAll, cfIgnoreAsMembers), member) << "the group is not selected";
  group->SetSelected(true);
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmAll, cfIgnoreAsMembers), group);
  f.Diagram->MoveControlIndex(group, 2);
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmAll, cfIgnoreGroups), member);
  member->SetDiagram(nullptr);
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmAll, cfIgnoreGroups), bottom);

  auto* line = f.AddLine({0, 50}, {100, 50});
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}), line);
  EXPECT_EQ(f.Diagram->DControlAtPos({50, 50}, csmIgnoreLines, cfIgnoreGroups), bottom);
}

TEST(ControlAtPos, NothingIsFoundUnderTheRulers) {
  TDiagramFixture f;
  f.AddBlock(0, 0, 100, 100);
  EXPECT_EQ(f.Diagram->DControlAtPos({0, 50}), nullptr) << "canvas column 0 counts as ruler area";
  EXPECT_EQ(f.Diagram->DControlAtPos({50, -0.5}), nullptr);
  EXPECT_NE(f.Diagram->DControlAtPos({1, 1}), nullptr);
  // A 20 pixel ruler over a view scrolled by 10: canvas column 20 is diagram x 10.
  f.Diagram->GetLeftRuler()->SetSize(20);
  f.Diagram->GetLeftRuler()->SetVisible(true);
  f.Diagram->GetHorzScrollBar()->SetRange(1000);
  f.Diagram->GetHorzScrollBar()->SetPosition(10);
  EXPECT_EQ(f.Diagram->DControlAtPos({10, 50}), nullptr);
  EXPECT_NE(f.Diagram->DControlAtPos({11, 50}), nullptr);
}

TEST(LinkPointAtPos, PointsWithinFiveUnitsInBothAxesAreFound) {
  TDiagramFixture f;
  auto* b = f.AddBlock(100, 100, 200, 200);
  TLinkPoint* top = b->GetLinkPoints()->GetItems(0);  // (150, 100)
  EXPECT_EQ(f.Diagram->LinkPointAtPos({155, 95}), top);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({145, 105}), top);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({155.01, 100}), nullptr);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 94.99}), nullptr);
}

TEST(LinkPointAtPos, BlockPointsComeBeforeLinePointsAndFiltersApply) {
  TDiagramFixture f;
  auto* line = f.AddLine({150, 100}, {300, 100});
  auto* b = f.AddBlock(100, 100, 200, 200);
  f.Diagram->MoveControlIndex(b, 0);  // the line is on top, yet the block's point wins
  TLinkPoint* top = b->GetLinkPoints()->GetItems(0);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 100}), top);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 100}, b), line->Source()) << "the given control is skipped";
  b->SetSelected(true);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 100}, nullptr, true), line->Source());
  b->SetSelected(false);
  top->SetAcceptAnchoreds(false);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 100}, nullptr, false, false, true), line->Source());
  EXPECT_EQ(f.Diagram->LinkNodeAtPos({150, 100}), nullptr) << "no node there";
  top->SetAcceptAnchoreds(true);
  top->SetVisible(false);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 100}), line->Source());
  top->SetVisible(true);
  b->SetLinkPointStyle(ptImplicit);
  EXPECT_EQ(f.Diagram->LinkPointAtPos({150, 100}), line->Source()) << "implicit points are never found";
}

TEST(LinkPointAtPos, NodesAreFoundByLinkNodeAtPos) {
  TDiagramFixture f;
  auto* b = f.AddBlock(100, 100, 200, 200);
  auto* line = f.AddLine({150, 100}, {150, 20});
  TLinkPoint* top = b->GetLinkPoints()->GetItems(0);
  line->Source()->SetAnchorLink(top);
  top->SetCollapsable(true);
  EXPECT_EQ(f.Diagram->LinkNodeAtPos({150, 100}), top);
}

TEST(HandleAtPos, OnlySelectedControlsOfferHandlesTriedFromTheLast) {
  TDiagramFixture f;
  auto* b = f.AddBlock(100, 100, 200, 200);
  TStretchHandle* corner = b->GetHandles()->GetItems(1);  // (200, 200)
  EXPECT_EQ(f.Diagram->HandleAtPos({200, 200}), nullptr);
  b->SetSelected(true);
  EXPECT_EQ(f.Diagram->HandleAtPos({204, 196}), corner);
  EXPECT_EQ(f.Diagram->HandleAtPos({206, 200}), nullptr);
  TStretchHandle* twin = b->GetHandles()->Add(100, 100, crDefault, 3, hsCustom);  // also at (200, 200)
  EXPECT_EQ(f.Diagram->HandleAtPos({200, 200}), twin) << "the last handle wins";
}

TEST(HandleAtPos, IgnoringTheZoomMeansFiveScreenPixels) {
  TDiagramFixture f;
  auto* b = f.AddBlock(100, 100, 200, 200);
  b->SetSelected(true);
  f.Diagram->SetZoom(50);
  EXPECT_EQ(f.Diagram->HandleAtPos({209, 200}, true), b->GetHandles()->GetItems(1)) << "10 units at 50 %";
  EXPECT_EQ(f.Diagram->HandleAtPos({209, 200}, false), nullptr);
  f.Diagram->SetZoom(400);
  EXPECT_EQ(f.Diagram->HandleAtPos({201.5, 200}, true), nullptr) << "Round(1.25) = 1 unit";
  EXPECT_EQ(f.Diagram->HandleAtPos({201, 200}, true), b->GetHandles()->GetItems(1));
}

TEST(Hints, TheHintOfTheControlUnderThePointerAndItsArea) {
  TDiagramFixture f;
  auto* b = f.AddBlock(10, 10, 100, 60);
  b->SetHint("A box");
  QString hint;
  TRect area;
  EXPECT_FALSE(f.Diagram->ControlHintAt({50, 30}, hint, area)) << "hints are off";
  b->SetShowHint(true);
  ASSERT_TRUE(f.Diagram->ControlHintAt({50, 30}, hint, area));
  EXPECT_EQ(hint, "A box");
  EXPECT_EQ(area, (TRect{10, 10, 100, 60}));
  EXPECT_FALSE(f.Diagram->ControlHintAt({150, 150}, hint, area));
}
