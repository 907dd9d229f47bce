// A group carries its members when it is resized, turned or moved, derives its rectangle
// from them, and hands a drag preview on to them.
#include <cmath>

#include "GroupFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class GroupGeometry : public ::testing::Test, public TGroupFixture {};

TStretchHandle* BottomRightSizeHandle(TCustomDiagramBlock* B) {
  TStretchHandle* best = nullptr;
  for (int i = 0; i < B->GetHandles()->Count(); ++i) {
    TStretchHandle* h = B->GetHandles()->GetItems(i);
    if (h->GetStyle() != hsSize) continue;
    const TDot p = h->GetOrPoint();
    if (!best || p.X + p.Y > best->GetOrPoint().X + best->GetOrPoint().Y) best = h;
  }
  return best;
}

}  // namespace

TEST_F(GroupGeometry, DoublingTheWidthScalesMembersAndCentresOneThatMayNotResize) {
  auto* a = Block(0, 0, 40, 20);
  auto* b = Block(60, 0, 100, 20);
  b->SetRestrictions(TControlRestrictions{crNoResize});
  auto* g = Group({a, b});
  ExpectSquare(g->GetBoundsRect(), {0, 0, 100, 20});

  g->SetBoundsRect(TSquare{0, 0, 200, 20});
  ExpectSquare(a->GetBoundsRect(), {0, 0, 80, 20});
  // Scaled it would span 120..200; it keeps its 40 units around that centre.
  ExpectSquare(b->GetBoundsRect(), {140, 0, 180, 20});
}

TEST_F(GroupGeometry, MemberLinesAreScaledWithTheGroup) {
  auto* a = Block(0, 0, 100, 100);
  auto* l = Line({0, 0}, {100, 100});
  auto* g = Group({a, l});
  g->SetBoundsRect(TSquare{0, 0, 200, 100});
  const TDot p1 = l->GetSourceHandle()->GetOrPoint(), p2 = l->GetTargetHandle()->GetOrPoint();
  EXPECT_NEAR(p1.X, 0, 1e-6);
  EXPECT_NEAR(p2.X, 200, 1e-6);
  EXPECT_NEAR(p2.Y, 100, 1e-6);
}

TEST_F(GroupGeometry, AResizeByHandleReleasesMemberLineEndsOnUnselectedControls) {
  auto* outside = Block(200, 0, 240, 40);
  TLinkPoint* port = outside->GetLinkPoints()->Add(50, 50, aoNone);
  auto* inside = Block(0, 0, 40, 40);
  TLinkPoint* inner = inside->GetLinkPoints()->Add(50, 50, aoNone);
  auto* loose = Line({0, 0}, {100, 100}, port);
  auto* tied = Line({0, 0}, {20, 100}, inner);
  auto* g = Group({inside, loose, tied});
  ASSERT_EQ(loose->GetSourceLinkPoint()->GetAnchorLink(), port);
  THandleMoveInfo info;
  info.AHandle = BottomRightSizeHandle(g);
  ASSERT_NE(info.AHandle, nullptr);
  info.Action = haMoved;
  info.Delta = TDot{40, 0};
  // Selected as the diagram selects a group: with everything in it.
  for (TDiagramControl* c : {static_cast<TDiagramControl*>(g), static_cast<TDiagramControl*>(inside),
                             static_cast<TDiagramControl*>(loose), static_cast<TDiagramControl*>(tied)})
    c->SetSelected(true);
  g->UpdateHandleMove(info);
  EXPECT_EQ(loose->GetSourceLinkPoint()->GetAnchorLink(), nullptr) << "its anchor stays behind";
  EXPECT_EQ(tied->GetSourceLinkPoint()->GetAnchorLink(), inner) << "anchored inside the group";
  const TDot end = tied->GetSourceHandle()->GetOrPoint(), port2 = inner->DiagramPoint();
  EXPECT_NEAR(end.X, port2.X, 1e-6);
  EXPECT_NEAR(end.Y, port2.Y, 1e-6);
}

TEST_F(GroupGeometry, TurningByNinetyDegreesTurnsMembersAboutTheGroupCentre) {
  for (const bool groupMayRotate : {true, false}) {
    SCOPED_TRACE(groupMayRotate ? "group may rotate" : "crNoRotation on the group");
    auto* a = Block(0, 0, 40, 20);
    auto* b = Block(60, 0, 100, 20);
    auto* g = Group({a, b});
    if (!groupMayRotate) g->SetRestrictions(TControlRestrictions{crNoRotation});
    g->SetAngle(90);
    // Centres (20, 10) and (80, 10) turn clockwise about (50, 10); sizes stay.
    ExpectSquare(a->GetBoundsRect(), {30, -30, 70, -10});
    ExpectSquare(b->GetBoundsRect(), {30, 30, 70, 50});
    EXPECT_DOUBLE_EQ(a->GetAngle(), groupMayRotate ? 90 : 0);
    EXPECT_DOUBLE_EQ(b->GetAngle(), groupMayRotate ? 90 : 0);
    g->Free();
    a->Free();
    b->Free();
  }
}

TEST_F(GroupGeometry, MembersAddedInsideOneUpdateRecalculateOnceAtTheEnd) {
  auto* g = Group({});
  g->SetBoundsRect(TSquare{500, 500, 510, 510});
  g->BeginUpdateMembers();
  g->BeginUpdateMembers();
  g->GetMembers()->Add(Block(0, 0, 10, 10));
  g->GetMembers()->Add(Block(20, 30, 40, 50));
  g->EndUpdateMembers();
  g->GetMembers()->Add(Block(-5, 5, 0, 60));
  ExpectSquare(g->GetBoundsRect(), {500, 500, 510, 510});
  g->EndUpdateMembers();
  ExpectSquare(g->GetBoundsRect(), {-5, 0, 40, 60});
  EXPECT_FALSE(g->UpdatingMembers());
}

TEST_F(GroupGeometry, MembersAtNegativeCoordinatesAreEnclosed) {
  auto* g = Group({Block(-100, -80, -20, -10), Block(-50, -40, -10, -5)});
  ExpectSquare(g->GetBoundsRect(), {-100, -80, -10, -5});
}

TEST_F(GroupGeometry, AnEmptyGroupKeepsItsRectangle) {
  auto* a = Block(10, 10, 30, 30);
  auto* g = Group({a});
  ExpectSquare(g->GetBoundsRect(), {10, 10, 30, 30});
  g->GetMembers()->Remove(a);
  g->RecalculateRect();
  ExpectSquare(g->GetBoundsRect(), {10, 10, 30, 30});
  EXPECT_FALSE(a->IsMember());
}

TEST_F(GroupGeometry, AGroupWithoutExtentMovesItsMembersInsteadOfDividingByZero) {
  auto* a = Block(30, 30, 30, 30);
  auto* g = Group({a});
  ExpectSquare(g->GetBoundsRect(), {30, 30, 30, 30});
  g->SetBoundsRect(TSquare{40, 50, 100, 110});
  const TSquare r = a->GetBoundsRect();
  ASSERT_TRUE(std::isfinite(r.Left) && std::isfinite(r.Top) && std::isfinite(r.Right) && std::isfinite(r.Bottom));
  ExpectSquare(r, {70, 80, 70, 80});
}

TEST_F(GroupGeometry, NestedGroupsCarryTheirMembersAndFollowThem) {
  auto* a = Block(0, 0, 20, 20);
  auto* b = Block(20, 0, 40, 20);
  auto* c = Block(80, 0, 100, 20);
  auto* inner = Group({a, b});
  auto* outer = Group({inner, c});
  EXPECT_EQ(a->GetMasterGroup(), outer);
  EXPECT_EQ(inner->GetMasterGroup(), outer);
  ExpectSquare(outer->GetBoundsRect(), {0, 0, 100, 20});

  outer->SetBoundsRect(TSquare{0, 0, 200, 40});
  ExpectSquare(inner->GetBoundsRect(), {0, 0, 80, 40});
  ExpectSquare(b->GetBoundsRect(), {40, 0, 80, 40});
  ExpectSquare(c->GetBoundsRect(), {160, 0, 200, 40});

  // A member leaving the inner group shrinks it, and the outer group follows.
  c->Free();
  inner->GetMembers()->Remove(b);
  ExpectSquare(inner->GetBoundsRect(), {0, 0, 40, 40});
  ExpectSquare(outer->GetBoundsRect(), {0, 0, 40, 40});
}

TEST_F(GroupGeometry, MovingAGroupIntoAnotherDiagramMovesItsMembers) {
  auto* a = Block(0, 0, 20, 20);
  auto* inner = Group({a});
  auto* outer = Group({inner, Line({0, 50}, {50, 50})});
  auto* other = Create<TTestDiagram>(Form);
  outer->SetDiagram(other);
  EXPECT_EQ(inner->GetDiagram(), other);
  EXPECT_EQ(a->GetDiagram(), other);
  EXPECT_EQ(outer->GetMember(1)->GetDiagram(), other);
  EXPECT_EQ(Diagram->DControlCount(), 0);
}

TEST_F(GroupGeometry, ThePreviewOfAResizeReachesMembersAtAnyDepthButNotTheDocument) {
  auto* a = Block(0, 0, 50, 50);
  auto* b = Block(50, 50, 100, 100);
  auto* inner = Group({b});
  auto* g = Group({a, inner});
  TStretchHandle* h = BottomRightSizeHandle(g);
  ASSERT_NE(h, nullptr);
  THandleMoveInfo info;
  info.AHandle = h;
  info.Action = haPositionCursor;
  info.Delta = TDot{100, 0};
  g->UpdateHandleMove(info);

  ExpectSquare(g->GetCursorRect(), {0, 0, 200, 100});
  ExpectSquare(a->GetCursorRect(), {0, 0, 100, 50});
  ExpectSquare(b->GetCursorRect(), {100, 50, 200, 100});
  ExpectSquare(a->GetBoundsRect(), {0, 0, 50, 50});

  // Swapping the preview in and out is no change of the members.
  g->EnterCursorState();
  ExpectSquare(g->GetBoundsRect(), {0, 0, 200, 100});
  ExpectSquare(a->GetBoundsRect(), {0, 0, 50, 50});
  g->LeaveCursorState();
  ExpectSquare(g->GetBoundsRect(), {0, 0, 100, 100});

  info.Action = haMoved;
  g->UpdateHandleMove(info);
  ExpectSquare(b->GetBoundsRect(), {100, 50, 200, 100});
}

TEST_F(GroupGeometry, TheSelectionBlockCarriesTheSelectedControlsThatAreNotMembersOfASelectedGroup) {
  auto* a = Block(0, 0, 50, 50);
  auto* b = Block(50, 0, 100, 50);
  auto* c = Block(100, 0, 150, 50);
  auto* g = Group({b, c});
  auto* sel = Create<TSelectionBlock>(nullptr);
  sel->SetDiagram(Diagram);
  a->SetSelected(true);
  g->SetSelected(true);
  b->SetSelected(true);  // a member of a selected group: carried by its group
  sel->UpdateMembers();
  ASSERT_EQ(sel->GetMembers()->Count(), 2);
  EXPECT_EQ(sel->GetMembers()->GetItems(0)->GetDControl(), a);
  EXPECT_EQ(sel->GetMembers()->GetItems(1)->GetDControl(), g);
  EXPECT_FALSE(a->IsMember()) << "the selection block is nobody's group";
  EXPECT_FALSE(sel->IsGroup());

  sel->RecalculateRect();
  ExpectSquare(sel->GetBoundsRect(), {0, 0, 150, 50});
  sel->SetBoundsRect(TSquare{0, 0, 300, 50});
  ExpectSquare(a->GetBoundsRect(), {0, 0, 100, 50});
  ExpectSquare(c->GetBoundsRect(), {200, 0, 300, 50});

  // A member freed behind its back leaves the selection block's list.
  a->Free();
  EXPECT_EQ(sel->GetMembers()->Count(), 1);

  // A completed handle step lets the members go: the diagram moves the selection block
  // along with the selected controls, which must then move once only.
  THandleMoveInfo info;
  info.AHandle = BottomRightSizeHandle(sel);
  ASSERT_NE(info.AHandle, nullptr);
  info.Action = haMoved;
  info.Delta = TDot{0, 50};
  sel->UpdateHandleMove(info);
  ExpectSquare(c->GetBoundsRect(), {200, 0, 300, 100});
  EXPECT_EQ(sel->GetMembers()->Count(), 0);
  sel->MoveBy(10, 0);
  ExpectSquare(c->GetBoundsRect(), {200, 0, 300, 100});
  // Leaving the diagram, the selection block leaves the selected controls where they are.
  sel->Free();
  EXPECT_EQ(g->GetDiagram(), Diagram);
}
