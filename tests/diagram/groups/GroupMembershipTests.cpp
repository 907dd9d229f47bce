// Who belongs to which group: a control joins one group at most, no group joins itself or
// a group inside it, freeing a group lets its members go while FreeMembers frees them, and
// the lists' reference items report their controls coming and going.
#include "GroupFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class GroupMembership : public ::testing::Test, public TGroupFixture {};

// Records what a plain reference list hears.
class TRecordingList : public TDControlList {
 public:
  using TDControlList::TDControlList;
  std::vector<std::string> Log;

 protected:
  void ControlAdded(TDiagramControl* C) override { Log.push_back("+" + C->GetName().toStdString()); }
  void ControlRemoved(TDiagramControl* C) override { Log.push_back("-" + C->GetName().toStdString()); }
};

}  // namespace

TEST_F(GroupMembership, ReferenceItemsReportEveryChangeOfTheirControl) {
  auto* a = Block(0, 0, 10, 10);
  auto* b = Block(0, 0, 10, 10);
  auto list = MakeOwned<TRecordingList>(nullptr);
  TDControlListItem* item = list->Add(a);
  list->Add(b);
  item->SetDControl(b);
  item->SetDControl(b);
  EXPECT_EQ(list->IndexOf(b), 0) << "the first item that refers to it";
  list->Remove(b);
  list->Remove(a);  // none refers to it any more: nothing happens
  EXPECT_EQ(list->Count(), 1);
  list->Clear();
  EXPECT_EQ(list->Log, (std::vector<std::string>{"+" + a->GetName().toStdString(), "+" + b->GetName().toStdString(),
                                                 "-" + a->GetName().toStdString(), "+" + b->GetName().toStdString(),
                                                 "-" + b->GetName().toStdString(), "-" + b->GetName().toStdString()}));
}

TEST_F(GroupMembership, AControlBelongsToOneGroupAndNoGroupToItself) {
  auto* a = Block(0, 0, 10, 10);
  auto* g1 = Group({a});
  auto* g2 = Group({});
  EXPECT_EQ(g2->GetMembers()->Add(a), nullptr) << "already in a group";
  EXPECT_EQ(g1->GetMembers()->Add(a), nullptr) << "already in this group";
  EXPECT_EQ(a->GetGroupBlock(), g1);
  EXPECT_EQ(g1->GetMemberCount(), 1);

  EXPECT_EQ(g1->GetMembers()->Add(g1), nullptr) << "itself";
  ASSERT_NE(g2->GetMembers()->Add(g1), nullptr);
  auto* g3 = Group({g2});
  EXPECT_EQ(g1->GetMembers()->Add(g3), nullptr) << "its own ancestor";
  EXPECT_EQ(g1->GetMemberCount(), 1);
  EXPECT_EQ(a->GetMasterGroup(), g3);
  EXPECT_TRUE(a->IsMember());
  EXPECT_FALSE(a->AsMember());
  g1->SetSelected(true);
  EXPECT_TRUE(a->AsMember());
}

TEST_F(GroupMembership, FreeingAGroupLetsItsMembersGoButFreeMembersFreesThem) {
  auto* a = Block(0, 0, 10, 10);
  auto* b = Block(20, 0, 30, 10);
  auto* g = Group({a, b});
  g->Free();
  EXPECT_FALSE(a->IsMember());
  EXPECT_EQ(a->GetDiagram(), Diagram);
  EXPECT_EQ(Diagram->DControlCount(), 2);

  auto* inner = Group({a, Line({0, 50}, {10, 50})});
  auto* outer = Group({inner, b});
  // An item that refers to nothing must not stop the loop.
  static_cast<TCollection*>(inner->GetMembers())->Add();
  outer->FreeMembers();
  EXPECT_EQ(outer->GetMemberCount(), 0);
  EXPECT_EQ(Diagram->DControlCount(), 1) << "only the outer group is left";
  EXPECT_EQ(Diagram->GetDControls(0), outer);
}

TEST_F(GroupMembership, AFreedMemberLeavesItsGroup) {
  auto* a = Block(0, 0, 10, 10);
  auto* b = Block(20, 0, 30, 10);
  auto* g = Group({a, b});
  a->Free();
  ASSERT_EQ(g->GetMemberCount(), 1);
  EXPECT_EQ(g->GetMember(0), b);
  ExpectSquare(g->GetBoundsRect(), {20, 0, 30, 10});
}

TEST_F(GroupMembership, MembersKeepTheirOrderAndMoveInsideIt) {
  auto* a = Block(0, 0, 10, 10);
  auto* b = Block(20, 0, 30, 10);
  auto* c = Block(40, 0, 50, 10);
  auto* g = Group({a, b, c});
  g->MoveMember(c, 0);
  EXPECT_EQ(g->GetMember(0), c);
  EXPECT_EQ(g->GetMember(1), a);
  g->RemoveMember(a);
  EXPECT_EQ(g->GetMemberCount(), 2);
  EXPECT_FALSE(a->IsMember());
  EXPECT_THROW(g->GetMember(5), EListError);
}

TEST_F(GroupMembership, HasSelectionLooksAtEveryDepth) {
  auto* a = Block(0, 0, 10, 10);
  auto* inner = Group({a});
  auto* outer = Group({inner, Block(20, 0, 30, 10)});
  EXPECT_FALSE(outer->HasSelection());
  a->SetSelected(true);
  EXPECT_TRUE(outer->HasSelection());
  EXPECT_TRUE(inner->HasSelection());
}
