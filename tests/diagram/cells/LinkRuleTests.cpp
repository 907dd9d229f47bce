// Anchoring events, bookkeeping after points go away, orientations and the collapse walk.
#include <gtest/gtest.h>

#include "../TestControls.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TEventLog {
  std::vector<std::string> Entries;
  void Watch(TDiagramFixture& f, std::initializer_list<std::pair<TDiagramControl*, const char*>> blocks) {
    for (auto [block, name] : blocks) {
      std::string n = name;
      block->OnLinkAdded = [this, n](TDiagramControl*, TDiagramControl*, TLinkPoint*) { Entries.push_back(n + "+"); };
      block->OnLinkRemoved = [this, n](TDiagramControl*, TDiagramControl*, TLinkPoint*) { Entries.push_back(n + "-"); };
    }
    f.Diagram->OnLinkAdded = [this](TObject*, TDiagramControl*, TDiagramControl*, TLinkPoint*) {
      Entries.push_back("diagram+");
    };
    f.Diagram->OnLinkRemoved = [this](TObject*, TDiagramControl*, TDiagramControl*, TLinkPoint*) {
      Entries.push_back("diagram-");
    };
  }
  std::vector<std::string> Take() { return std::exchange(Entries, {}); }
};

using Events = std::vector<std::string>;

int TotalAnchored(TDiagramControl* c) {
  int n = 0;
  for (int i = 0; i < c->GetLinkPoints()->Count(); ++i) n += c->GetLinkPoints()->GetItems(i)->AnchoredCount();
  return n;
}

}  // namespace

TEST(ReAnchoring, EachMoveFiresOneRemovalAndOneAdditionAndRepeatingFiresNothing) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(50, 0, 60, 10);
  auto* line = f.AddLine({10, 5}, {50, 5});
  TEventLog log;
  log.Watch(f, {{a, "A"}, {b, "B"}});
  TLinkPoint* end = line->Target();

  end->SetAnchorLink(a->GetLinkPoints()->GetItems(1));
  EXPECT_EQ(log.Take(), (Events{"A+", "diagram+"}));
  end->SetAnchorLink(b->GetLinkPoints()->GetItems(3));
  EXPECT_EQ(log.Take(), (Events{"A-", "diagram-", "B+", "diagram+"}));
  end->SetAnchorLink(b->GetLinkPoints()->GetItems(3));
  EXPECT_EQ(log.Take(), Events{}) << "anchoring to the same point again";
  end->SetAnchorIndex(0);
  EXPECT_EQ(log.Take(), (Events{"B-", "diagram-", "B+", "diagram+"})) << "another point of the same block";
  EXPECT_EQ(end->GetAnchorLink(), b->GetLinkPoints()->GetItems(0));
  end->SetAnchorLink(nullptr);
  EXPECT_EQ(log.Take(), (Events{"B-", "diagram-"}));
  EXPECT_EQ(end->GetAnchor(), nullptr);
  EXPECT_EQ(end->GetAnchorIndex(), -1);
  EXPECT_EQ(TotalAnchored(a) + TotalAnchored(b), 0);

  // A block's own points anchored elsewhere fire nothing: only line ends are links.
  TLinkPoint* blockPoint = a->GetLinkPoints()->GetItems(0);
  blockPoint->SetAnchorLink(b->GetLinkPoints()->GetItems(0));
  EXPECT_EQ(b->GetLinkPoints()->GetItems(0)->AnchoredCount(), 1);
  EXPECT_EQ(log.Take(), Events{});
  blockPoint->SetAnchorLink(nullptr);
}

TEST(ReAnchoring, TheAnchorsMovementReachesTheLineAndItsRemovalReleasesIt) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({10, 5}, {50, 5});
  line->Source()->SetAnchorLink(a->GetLinkPoints()->GetItems(1));
  line->Log.clear();
  a->NotifyAnchoreds(acPosition);
  EXPECT_EQ(line->Log, (std::vector<std::string>{"position"}));
  EXPECT_EQ(line->Source()->GetAnchor(), a);
  line->Log.clear();
  a->NotifyAnchoreds(acRemoval);
  EXPECT_EQ(line->Source()->GetAnchor(), nullptr);
  EXPECT_EQ(line->Source()->GetAnchorIndex(), -1);
  EXPECT_EQ(line->Log.back(), "removal");
  EXPECT_EQ(TotalAnchored(a), 0);
}

TEST(ReAnchoring, DeletingAnEarlierPointOfTheAnchorLeavesNoStaleEntryBehind) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({0, 5}, {50, 5});
  TLinkPoint* q = a->GetLinkPoints()->GetItems(3);
  line->Source()->SetAnchorLink(q);
  // The point before it goes: the line's index now designates nothing (or another point).
  a->GetLinkPoints()->Delete(1);
  ASSERT_EQ(q->AnchoredCount(), 1);
  line->Source()->SetAnchor(nullptr);
  EXPECT_EQ(q->AnchoredCount(), 0) << "the entry is found where it is, not where the index points";
  EXPECT_EQ(TotalAnchored(a), 0);

  // Freeing a line still registered through a shifted index must not leave a dangling
  // entry in the block's lists either.
  auto* other = f.AddLine({0, 5}, {50, 5});
  other->Target()->SetAnchorLink(a->GetLinkPoints()->GetItems(2));
  a->GetLinkPoints()->Delete(0);
  other->Free();
  EXPECT_EQ(TotalAnchored(a), 0);
}

TEST(LinkPointOrientations, EveryOrientationTurnsByTheTableInEachQuarter) {
  // Columns: angles 0, 90, 180, 270 and 359 (back in the first quarter).
  struct Row {
    TAnchorOrientation o;
    TAnchorOrientation turned[5];
  };
  const Row rows[] = {
      {aoNone, {aoNone, aoNone, aoNone, aoNone, aoNone}},  {aoHorz, {aoHorz, aoVert, aoHorz, aoVert, aoHorz}},
      {aoVert, {aoVert, aoHorz, aoVert, aoHorz, aoVert}},  {aoUp, {aoUp, aoRight, aoDown, aoLeft, aoUp}},
      {aoDown, {aoDown, aoLeft, aoUp, aoRight, aoDown}},   {aoLeft, {aoLeft, aoUp, aoRight, aoDown, aoLeft}},
      {aoRight, {aoRight, aoDown, aoLeft, aoUp, aoRight}},
  };
  const double angles[5] = {0, 90, 180, 270, 359};
  auto* b = Create<TTestBlock>(nullptr);
  TLinkPoint* p = b->GetLinkPoints()->GetItems(0);
  for (const Row& r : rows)
    for (int i = 0; i < 5; ++i) {
      p->SetOrientation(r.o);
      b->SetAngle(angles[i]);
      EXPECT_EQ(p->GetRealOrientation(), r.turned[i]) << r.o << " at " << angles[i];
    }
  b->Free();

  auto* points = Create<TLinkPoints>(nullptr, TLinkPoint::StaticClassInfo());
  TLinkPoint* loose = points->Add(1, 2, aoUp);
  EXPECT_EQ(loose->GetRealOrientation(), aoUp) << "without a control nothing turns";
  EXPECT_EQ(loose->GetStyle(), ptCross);
  EXPECT_EQ(loose->DiagramPoint(), (TDot{1, 2}));
  points->Free();
}

TEST(LinkPointCollapse, TheWalkFollowsLinesAndGroupsAndRefusesToComeBack) {
  TDiagramFixture f;
  auto* root = f.AddBlock(0, 0, 10, 10);
  auto* child = f.AddBlock(0, 50, 10, 60);
  auto* grandchild = f.AddBlock(0, 100, 10, 110);
  auto* partner = f.AddBlock(50, 50, 60, 60);
  auto* bystander = f.AddBlock(200, 200, 210, 210);
  auto* group = f.AddGroup({child, partner});
  auto* l1 = f.AddLine({5, 10}, {5, 50});
  auto* l2 = f.AddLine({5, 60}, {5, 100});
  TLinkPoint* node = root->GetLinkPoints()->GetItems(2);
  node->SetCollapsable(true);
  l1->Source()->SetAnchorLink(node);
  l1->Target()->SetAnchorLink(child->GetLinkPoints()->GetItems(0));
  l2->Source()->SetAnchorLink(child->GetLinkPoints()->GetItems(2));
  l2->Target()->SetAnchorLink(grandchild->GetLinkPoints()->GetItems(0));

  node->Collapse();
  ASSERT_TRUE(node->GetCollapsed());
  for (TDiagramControl* c : std::initializer_list<TDiagramControl*>{l1, child, l2, grandchild, partner, group})
    EXPECT_TRUE(c->GetCollapsed()) << c->GetName().toStdString();
  for (TDiagramControl* c : std::initializer_list<TDiagramControl*>{root, bystander})
    EXPECT_FALSE(c->GetCollapsed()) << c->GetName().toStdString();
  node->Expand();
  for (TDiagramControl* c : std::initializer_list<TDiagramControl*>{l1, child, l2, grandchild, partner, group})
    EXPECT_FALSE(c->GetCollapsed());

  // A collapsed node further down stops the walk there.
  TLinkPoint* inner = child->GetLinkPoints()->GetItems(2);
  inner->SetCollapsable(true);
  inner->Collapse();
  EXPECT_TRUE(grandchild->GetCollapsed());
  EXPECT_FALSE(root->GetCollapsed());
  inner->Expand();

  // The partner links back to the root: a loop through the group, so nothing changes.
  auto* back = f.AddLine({55, 50}, {10, 5});
  back->Source()->SetAnchorLink(partner->GetLinkPoints()->GetItems(0));
  back->Target()->SetAnchorLink(root->GetLinkPoints()->GetItems(1));
  node->Collapse();
  EXPECT_FALSE(node->GetCollapsed());
  EXPECT_FALSE(child->GetCollapsed());
  EXPECT_FALSE(back->GetCollapsed());
}

TEST(LinkConstraints, TheAnchorPointDecidesWhichLineEndsMayAttach) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 10, 10);
  auto* other = f.AddBlock(50, 0, 60, 10);
  auto* line = f.AddLine({0, 0}, {1, 1});
  TLinkPoint* q = block->GetLinkPoints()->GetItems(0);
  struct Case {
    TLinkConstraint constraint;
    bool source, target;
  };
  for (const Case k : {Case{lcAll, true, true}, Case{lcSourceOnly, true, false}, Case{lcTargetOnly, false, true},
                       Case{lcNone, false, false}}) {
    q->SetLinkConstraint(k.constraint);
    EXPECT_EQ(q->AcceptsEnd(line->Source()), k.source) << k.constraint;
    EXPECT_EQ(q->AcceptsEnd(line->Target()), k.target) << k.constraint;
    // The diagram's decision agrees while nothing else forbids the link.
    EXPECT_EQ(f.Diagram->AcceptAnchor(line->Source(), q), k.source) << k.constraint;
    EXPECT_EQ(f.Diagram->AcceptAnchor(line->Target(), q), k.target) << k.constraint;
    EXPECT_TRUE(q->AcceptsEnd(other->GetLinkPoints()->GetItems(0))) << "not a line end";
  }
  EXPECT_FALSE(q->AcceptsEnd(nullptr));
}
