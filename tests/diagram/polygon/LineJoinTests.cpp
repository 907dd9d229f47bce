// Line joins following the link point they are anchored to, and anchors that would have
// a join follow itself, which are refused.
#include <gtest/gtest.h>

#include "PolygonFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/RegDControls.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TJoinFixture : TPolygonFixture {
  TDiagramLineJoin* NewJoin(double L, double T) {
    auto* j = Create<TDiagramLineJoin>(Form);
    j->SetBoundsRect(TSquare{L, T, L + 20, T + 20});
    j->SetDiagram(Diagram);
    return j;
  }
  // A block with one link point at its centre.
  TDiagramBlock* NewAnchor() {
    auto* b = NewBlock(100, 100, 60, 40);
    b->GetLinkPoints()->Add(50, 50, aoNone);
    return b;
  }
};

TSquare Moved(const TSquare& R, double DX, double DY) {
  return TSquare{R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

}  // namespace

TEST(LineJoin, IsMadeByIdentifierWithOneLinkPointAtItsCentre) {
  TJoinFixture f;
  TDiagramControl* c = f.Diagram->CreateDControl(RegisteredDControls().FindByID("TDiagramLineJoin")->GetDControlClass(),
                                                 QStringLiteral("TDiagramLineJoin"));
  auto* j = dynamic_cast<TDiagramLineJoin*>(c);
  ASSERT_NE(j, nullptr);
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{0, 0, 20, 20}));
  ASSERT_EQ(j->GetLinkPoints()->Count(), 1);
  EXPECT_EQ(j->GetLinkPoints()->GetItems(0)->GetOrPoint(), (TDot{10, 10}));
  EXPECT_EQ(j->GetRestrictions(), (TControlRestrictions{crNoResize, crNoRotation, crNoEdit}));
  j->Free();
}

TEST(LineJoin, FollowsEveryMoveOfItsAnchorButNotTheAnchoringItself) {
  TJoinFixture f;
  auto* b = f.NewAnchor();
  auto* j = f.NewJoin(300, 300);
  j->SetAnchor(b);
  j->SetAnchorIndex(0);
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{300, 300, 320, 320})) << "anchoring does not move it";
  b->MoveBy(10, 0);
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{310, 300, 330, 320}));
  b->MoveBy(0, 5);
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{310, 305, 330, 325}));
  // A line anchored to the join comes along.
  auto* line = Create<TDiagramLine>(f.Form);
  line->SetDiagram(f.Diagram);
  line->GetLinkPoints()->GetItems(1)->SetAnchor(j);
  line->GetLinkPoints()->GetItems(1)->SetAnchorIndex(0);
  b->MoveBy(-20, 0);
  EXPECT_EQ(line->GetLinkPoints()->GetItems(1)->DiagramPoint(), (TDot{300, 315}));
}

TEST(LineJoin, StaysWhereItIsWhenItsAnchorLeavesTheDiagram) {
  TJoinFixture f;
  auto* b = f.NewAnchor();
  auto* j = f.NewJoin(300, 300);
  j->SetAnchor(b);
  j->SetAnchorIndex(0);
  b->SetDiagram(nullptr);
  EXPECT_EQ(j->GetAnchor(), nullptr);
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{300, 300, 320, 320}));
  b->Free();
  EXPECT_EQ(j->GetBoundsRect(), (TSquare{300, 300, 320, 320}));
}

TEST(LineJoin, AnAnchorThatLeadsBackToTheJoinIsRefused) {
  TJoinFixture f;
  auto* a = f.NewJoin(100, 100);
  auto* b = f.NewJoin(200, 100);
  auto* c = f.NewJoin(300, 100);
  // Itself.
  a->SetAnchorIndex(0);
  a->SetAnchor(a);
  EXPECT_EQ(a->GetAnchor(), nullptr);
  // Round a chain of joins: c follows b, b follows a; a may not follow c.
  b->SetAnchorIndex(0);
  b->SetAnchor(a);
  c->SetAnchorIndex(0);
  c->SetAnchor(b);
  a->SetAnchorIndex(0);
  a->SetAnchor(c);
  EXPECT_EQ(a->GetAnchor(), nullptr);
  EXPECT_EQ(c->GetAnchor(), b);
  a->MoveBy(5, 0);
  EXPECT_EQ(b->GetBoundsRect(), Moved(TSquare{200, 100, 220, 120}, 5, 0));
  EXPECT_EQ(c->GetBoundsRect(), Moved(TSquare{300, 100, 320, 120}, 5, 0));
  // Round a line whose end follows the join.
  auto* line = Create<TDiagramLine>(f.Form);
  line->SetDiagram(f.Diagram);
  line->GetLinkPoints()->GetItems(0)->SetAnchorIndex(0);
  line->GetLinkPoints()->GetItems(0)->SetAnchor(a);
  a->SetAnchorIndex(0);
  a->SetAnchor(line);
  EXPECT_EQ(a->GetAnchor(), nullptr);
}

// The anchor of a join may be a line end that is then anchored to the join itself, which
// the join cannot refuse; moving the join must still end, with the line end on it.
TEST(LineJoin, ALineAnchoredBothWaysEndsItsEchoAtOnce) {
  TJoinFixture f;
  auto* j = f.NewJoin(100, 100);
  auto* line = Create<TDiagramLine>(f.Form);
  line->SetDiagram(f.Diagram);
  j->SetAnchorIndex(1);
  j->SetAnchor(line);
  ASSERT_EQ(j->GetAnchor(), line);
  line->GetLinkPoints()->GetItems(1)->SetAnchorIndex(0);
  line->GetLinkPoints()->GetItems(1)->SetAnchor(j);
  const TSquare before = j->GetBoundsRect();
  j->MoveBy(30, 0);
  EXPECT_EQ(j->GetBoundsRect(), Moved(before, 30, 0));
  EXPECT_EQ(line->GetLinkPoints()->GetItems(1)->DiagramPoint(), j->GetLinkPoints()->GetItems(0)->DiagramPoint());
}
