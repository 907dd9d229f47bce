// Groups in documents: members travel as references by name, nested groups read back to
// the same text, and a damaged document (a group inside itself, a control in two groups)
// still loads into a usable diagram.
#include "../DocumentText.h"
#include "GroupFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class GroupStreams : public ::testing::Test, public TGroupFixture {
 protected:
  // How a member list item names its control.
  static QString Ref(TDiagramControl* C) { return "." + C->GetName() + "\r\n"; }
  // Members that are controls; a refused reference leaves an empty item until
  // DropEmptyItems.
  static int RealMembers(TdvDiagram* D) {
    int n = 0;
    for (int i = 0; i < D->DControlCount(); ++i)
      for (int m = 0; m < D->GetDControls(i)->GetMemberCount(); ++m)
        if (D->GetDControls(i)->GetMember(m)) ++n;
    return n;
  }
  TGroupBlock* GroupNamed(TdvDiagram* D, const QString& AName) {
    for (int i = 0; i < D->DControlCount(); ++i)
      if (D->GetDControls(i)->GetName() == AName) return dynamic_cast<TGroupBlock*>(D->GetDControls(i));
    return nullptr;
  }
};

}  // namespace

TEST_F(GroupStreams, AGroupWritesItsGeometryPermissionsAndMembersOnly) {
  auto* g = Group({Block(5, 5, 10, 10), Block(20, 5, 30, 10)});
  g->SetRestrictions(TControlRestrictions{crNoRotation});
  const QString text = SaveText(Diagram);
  const qsizetype start = text.indexOf(": TGroupBlock");
  ASSERT_GE(start, 0);
  const QString record = text.mid(start);
  QStringList props;
  for (const QString& l : record.split('\n').mid(1)) {
    const QString t = l.trimmed();
    if (t == "end") break;
    if (t.contains(" = ") && l.indexOf(t) == record.split('\n')[1].indexOf(record.split('\n')[1].trimmed()))
      props << t.left(t.indexOf(' '));
  }
  EXPECT_EQ(props, (QStringList{"Left", "Top", "Width", "Height", "CornerRadius", "Restrictions", "MinWidth",
                                "MinHeight", "Visible", "Members"}))
      << record.toStdString();
  EXPECT_TRUE(record.contains("." + g->GetMember(1)->GetName() + "\r\n")) << record.toStdString();
}

TEST_F(GroupStreams, NestedGroupsReadBackToTheSameDocument) {
  auto* inner = Group({Block(0, 0, 40, 20), Line({0, 40}, {40, 60})});
  auto* outer = Group({inner, Block(100, -30, 140, 10)});
  outer->SetAngle(30);
  const QString saved = SaveText(Diagram);

  TGroupFixture other;
  LoadText(other.Diagram, saved);
  const QString again = SaveText(other.Diagram);
  EXPECT_EQ(FirstDifference(saved, again).toStdString(), "");

  TGroupBlock* loadedOuter = GroupNamed(other.Diagram, outer->GetName());
  TGroupBlock* loadedInner = GroupNamed(other.Diagram, inner->GetName());
  ASSERT_TRUE(loadedOuter && loadedInner);
  ASSERT_EQ(loadedOuter->GetMemberCount(), 2);
  EXPECT_EQ(loadedOuter->GetMember(0), loadedInner);
  EXPECT_EQ(loadedInner->GetGroupBlock(), loadedOuter);
  EXPECT_EQ(loadedInner->GetMember(1)->GetMasterGroup(), loadedOuter);
  ExpectSquare(loadedOuter->GetBoundsRect(), outer->GetBoundsRect());
}

TEST_F(GroupStreams, ADocumentWithCircularOrSharedMembershipLoadsUsable) {
  auto* a = Block(0, 0, 10, 10);
  auto* b = Block(20, 0, 30, 10);
  auto* g1 = Group({a});
  auto* g2 = Group({b});
  const QString n1 = g1->GetName(), n2 = g2->GetName();
  QString text = SaveText(Diagram);
  // Each group names the other as its member: g1 inside g2 inside g1.
  ASSERT_TRUE(text.contains(Ref(a)) && text.contains(Ref(b)));
  text.replace(Ref(a), Ref(g2));
  text.replace(Ref(b), Ref(g1));

  TGroupFixture other;
  ASSERT_NO_THROW(LoadText(other.Diagram, text));
  TGroupBlock* l1 = GroupNamed(other.Diagram, n1);
  TGroupBlock* l2 = GroupNamed(other.Diagram, n2);
  ASSERT_TRUE(l1 && l2);
  EXPECT_EQ(RealMembers(other.Diagram), 1) << "one of the two references is refused";
  l1->DropEmptyItems();
  l2->DropEmptyItems();
  EXPECT_EQ(l1->GetMemberCount() + l2->GetMemberCount(), 1);
  EXPECT_NE(l1->GetMasterGroup(), nullptr);
  EXPECT_EQ(l1->GetMasterGroup(), l2->GetMasterGroup());
  l1->RecalculateRect();
  l2->RecalculateRect();
  l1->SetAngle(45);  // turning walks the members: it must end
  EXPECT_EQ(FirstDifference(SaveText(other.Diagram), SaveText(other.Diagram)).toStdString(), "");
}

TEST_F(GroupStreams, AControlClaimedByTwoGroupsStaysWithTheFirst) {
  auto* a = Block(0, 0, 10, 10);
  auto* b = Block(20, 0, 30, 10);
  auto* g1 = Group({a});
  Group({b});
  QString text = SaveText(Diagram);
  text.replace(Ref(b), Ref(a));

  TGroupFixture other;
  LoadText(other.Diagram, text);
  EXPECT_EQ(RealMembers(other.Diagram), 1);
  TGroupBlock* first = GroupNamed(other.Diagram, g1->GetName());
  ASSERT_EQ(first->GetMemberCount(), 1);
  EXPECT_EQ(first->GetMember(0)->GetGroupBlock(), first);
}
