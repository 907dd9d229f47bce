// The diagram as a container: naming, list invariants, z-order, bulk selection, update
// brackets, change reports, events, defaults and the published table.
#include <gtest/gtest.h>

#include <QStringList>

#include "TestControls.h"
#include "platform/core/Exception.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Font.h"
#include "platform/gui/Picture.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

std::vector<TDiagramControl*> Controls(TdvDiagram* d) {
  std::vector<TDiagramControl*> out;
  for (int i = 0; i < d->DControlCount(); ++i) out.push_back(d->GetDControls(i));
  return out;
}

std::vector<TDiagramControl*> Selection(TdvDiagram* d) {
  std::vector<TDiagramControl*> out;
  for (int i = 0; i < d->SelectedCount(); ++i) out.push_back(d->GetSelecteds(i));
  return out;
}

// Everything the diagram reports, in order.
struct TEventLog {
  std::vector<std::string> Entries;
  explicit TEventLog(TdvDiagram* d) {
    auto add = [this](const char* e) { return [this, e](TObject*, TDiagramControl*) { Entries.push_back(e); }; };
    d->OnInsertDControl = add("insert");
    d->OnInsertBlock = add("block");
    d->OnInsertLink = add("link");
    d->OnRemoveDControl = add("remove");
    d->OnSelectDControl = add("select");
    d->OnUnselectDControl = add("unselect");
    d->OnSelectionChanging = [this](TObject*) { Entries.push_back("changing"); };
    d->OnSelectionChanged = [this](TObject*) { Entries.push_back("changed"); };
    d->OnModified = [this](TObject*) { Entries.push_back("modified"); };
  }
  int Count(const std::string& e) const { return static_cast<int>(std::count(Entries.begin(), Entries.end(), e)); }
};

}  // namespace

// ---- Naming ----

TEST(Naming, JoiningControlsAreNamedAfterTheirClassAndFoundIgnoringCase) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* l = f.AddLine({0, 0}, {1, 1});
  EXPECT_EQ(a->GetName(), "TestBlock1");
  EXPECT_EQ(b->GetName(), "TestBlock2");
  EXPECT_EQ(l->GetName(), "TestLine1");
  EXPECT_EQ(f.Diagram->FindDControl("TESTBLOCK2"), b);
  EXPECT_EQ(f.Diagram->FindBlock("testblock1"), a);
  EXPECT_EQ(f.Diagram->FindBlock("TestLine1"), nullptr) << "lines are no blocks";
  EXPECT_EQ(f.Diagram->FindDControl("Nothing"), nullptr);
  EXPECT_THROW(b->SetName("testblock1"), EComponentError) << "names are unique ignoring case";
}

TEST(Naming, FindCompNameSkipsEveryTakenNameAndTheEventHasTheLastWord) {
  TDiagramFixture f;
  auto* probe = Create<TTestBlock>(f.Form);
  // Taken by a component of the owner, by one the diagram owns and by a control on the
  // diagram owned elsewhere.
  Create<TComponent>(f.Form)->SetName("Shape1");
  Create<TComponent>(f.Diagram)->SetName("SHAPE2");
  TComponent* elsewhere = Create<TComponent>(nullptr);
  auto* foreign = Create<TTestBlock>(elsewhere);
  foreign->SetName("shape3");
  foreign->SetDiagram(f.Diagram);
  EXPECT_EQ(f.Diagram->FindCompName(probe, "Shape"), "Shape4");
  EXPECT_EQ(f.Diagram->FindCompName(probe, ""), "TestBlock1");
  f.Diagram->OnFindDControlName = [](TObject*, TComponent*, const QString& base, QString& name) {
    name = "My" + base + name.right(1);
  };
  EXPECT_EQ(f.Diagram->FindCompName(probe, "Shape"), "MyShape4");
  f.Diagram->OnFindDControlName = nullptr;
  foreign->Free();
  elsewhere->Free();
}

TEST(Naming, ControlsKeepTheirStoredNamesWhileLoadingAndUnnamedOnesAreNamedAfterwards) {
  TDiagramFixture f;
  f.Diagram->SetLoadingState();
  auto* b = Create<TTestBlock>(f.Form);
  b->SetDiagram(f.Diagram);
  EXPECT_EQ(b->GetName(), "");
  f.Diagram->Loaded();
  EXPECT_EQ(b->GetName(), "TestBlock1");
}

// ---- Lists ----

TEST(Lists, MembershipFollowsTheDiagramPropertyThroughJoinLeaveAndRejoin) {
  TDiagramFixture f;
  TDiagramFixture g;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({0, 0}, {1, 1});
  auto* b = f.AddBlock(0, 0, 10, 10);
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{a, line, b}));
  EXPECT_EQ(f.Diagram->BlockCount(), 2);
  EXPECT_EQ(f.Diagram->GetBlocks(1), b);
  EXPECT_EQ(f.Diagram->LinkCount(), 1);
  EXPECT_EQ(f.Diagram->GetLinks(0), line);

  a->SetSelected(true);
  a->SetDiagram(nullptr);
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{line, b}));
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
  EXPECT_TRUE(a->GetSelected()) << "a detached control keeps its flag";

  a->SetDiagram(f.Diagram);
  EXPECT_EQ(Controls(f.Diagram).back(), a) << "rejoining puts it on top";
  EXPECT_EQ(Selection(f.Diagram), std::vector<TDiagramControl*>{a}) << "and lists its selection again";

  a->SetDiagram(g.Diagram);
  EXPECT_EQ(f.Diagram->DControlCount(), 2);
  EXPECT_EQ(g.Diagram->DControlCount(), 1);
  EXPECT_EQ(g.Diagram->BlockCount(), 1);
  EXPECT_THROW(f.Diagram->GetDControls(5), EListError);
  a->SetDiagram(nullptr);
}

TEST(Lists, TheSelectionListKeepsTheOrderOfSelecting) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* c = f.AddBlock(0, 0, 10, 10);
  c->SetSelected(true);
  a->SetSelected(true);
  b->SetSelected(true);
  EXPECT_EQ(Selection(f.Diagram), (std::vector<TDiagramControl*>{c, a, b}));
  a->SetSelected(false);
  EXPECT_EQ(Selection(f.Diagram), (std::vector<TDiagramControl*>{c, b}));
}

TEST(Lists, FilteredCountsTreatGroupsAndMembersAsAsked) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* c = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({0, 0}, {1, 1});
  auto* g = f.AddGroup({a, b, c});
  f.Diagram->SetGroupSelected(g, true);
  EXPECT_TRUE(a->AsMember());
  EXPECT_EQ(f.Diagram->SelectedCount(cfAll), 4);
  EXPECT_EQ(f.Diagram->SelectedCount(cfIgnoreMembers), 1);
  EXPECT_EQ(f.Diagram->SelectedCount(cfIgnoreAsMembers), 1);
  EXPECT_EQ(f.Diagram->SelectedCount(cfIgnoreGroups), 3);
  EXPECT_EQ(f.Diagram->SelectedBlockCount(cfIgnoreMembers), 1);
  EXPECT_EQ(f.Diagram->SelectedLinkCount(), 0);
  line->SetSelected(true);
  EXPECT_EQ(f.Diagram->SelectedLinkCount(), 1);
  f.Diagram->SetGroupSelected(g, false);
  EXPECT_EQ(f.Diagram->SelectedCount(), 1);
}

TEST(Lists, ClearingFreesEveryControlGroupsBeforeTheirMembers) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  f.AddGroup({a, b});
  f.AddLine({0, 0}, {1, 1});
  f.Diagram->ClearDControls();
  EXPECT_EQ(f.Diagram->DControlCount(), 0);
  EXPECT_EQ(f.Diagram->BlockCount(), 0);
  EXPECT_EQ(f.Diagram->LinkCount(), 0);
  EXPECT_EQ(f.Form->GetComponentCount(), 1) << "only the diagram is left on the form";
}

TEST(Lists, DiagramWidthAndHeightCoverEveryControlVisibleOrNot) {
  TDiagramFixture f;
  EXPECT_EQ(f.Diagram->GetDiagramWidth(), 0);
  EXPECT_EQ(f.Diagram->GetDiagramHeight(), 0);
  f.AddBlock(10, 10, 120.5, 40);
  auto* hidden = f.AddBlock(0, 0, 60, 80.5);
  hidden->SetVisible(false);
  EXPECT_EQ(f.Diagram->GetDiagramWidth(), 120) << "rounded half to even";
  EXPECT_EQ(f.Diagram->GetDiagramHeight(), 80);
}

// ---- Z-order ----

TEST(ZOrder, ControlsMoveInsideThePaintingOrder) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* c = f.AddBlock(0, 0, 10, 10);
  f.Diagram->MoveControlIndex(a, 1);
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{b, a, c}));
  f.Diagram->BringToFront(b);
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{a, c, b}));
  c->SendToBack();
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{c, a, b}));
  auto* outsider = Create<TTestBlock>(f.Form);
  f.Diagram->MoveControlIndex(outsider, 0);
  EXPECT_EQ(f.Diagram->DControlCount(), 3) << "a control not on the diagram is ignored";
}

TEST(ZOrder, TheSelectionMovesInSelectionOrder) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* c = f.AddBlock(0, 0, 10, 10);
  auto* d = f.AddBlock(0, 0, 10, 10);
  b->SetSelected(true);
  c->SetSelected(true);
  f.Diagram->SendToBack();
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{c, b, a, d}));
  f.Diagram->BringToFront();
  EXPECT_EQ(Controls(f.Diagram), (std::vector<TDiagramControl*>{a, d, b, c}));
}

TEST(ZOrder, MembersMoveInsideTheirGroup) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* g = f.AddGroup({a, b});
  const auto before = Controls(f.Diagram);
  f.Diagram->BringToFront(a);
  EXPECT_EQ(g->GetMember(1), a);
  EXPECT_EQ(Controls(f.Diagram), before);
}

// ---- Bulk selection ----

TEST(BulkSelection, SelectAllSkipsMembersAndHiddenControlsInOneBracket) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* hidden = f.AddBlock(0, 0, 10, 10);
  hidden->SetVisible(false);
  auto* g = f.AddGroup({a});
  TEventLog log(f.Diagram);
  f.Diagram->SelectAll();
  EXPECT_FALSE(a->GetSelected());
  EXPECT_TRUE(b->GetSelected());
  EXPECT_TRUE(g->GetSelected());
  EXPECT_FALSE(hidden->GetSelected());
  EXPECT_EQ(log.Count("changing"), 1);
  EXPECT_EQ(log.Count("changed"), 1);
  EXPECT_EQ(log.Count("select"), 2);

  log.Entries.clear();
  f.Diagram->UnselectAll();
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"changing", "unselect", "unselect", "changed"}));
}

// ---- Update brackets ----

TEST(UpdateBrackets, EndUpdateReportsCountedRequestsAndRepaintsOnlyWhenThereWereAny) {
  TDiagramFixture f;
  f.Diagram->Invalidations = 0;
  f.Diagram->BeginUpdate();
  EXPECT_TRUE(f.Diagram->IsUpdating());
  EXPECT_EQ(f.Diagram->EndUpdate(true), 0);
  EXPECT_EQ(f.Diagram->Invalidations, 0);

  f.Diagram->BeginUpdate();
  f.Diagram->BeginUpdate();
  for (int i = 0; i < 3; ++i) f.Diagram->RequestRedraw();
  EXPECT_EQ(f.Diagram->EndUpdate(true), -1) << "nested";
  f.Diagram->RequestRedraw();
  EXPECT_EQ(f.Diagram->Invalidations, 0);
  EXPECT_EQ(f.Diagram->EndUpdate(true), 4);
  EXPECT_EQ(f.Diagram->Invalidations, 1);
  EXPECT_FALSE(f.Diagram->IsUpdating());

  f.Diagram->BeginUpdate();
  EXPECT_EQ(f.Diagram->EndUpdate(false), -1);
  EXPECT_EQ(f.Diagram->Invalidations, 2) << "without optimising it always repaints";
  f.Diagram->RequestRedraw();
  EXPECT_EQ(f.Diagram->Invalidations, 3);
}

TEST(UpdateBrackets, ModifiedIsSilentWhileLoadingMovingProgrammaticallyOrDestroying) {
  TDiagramFixture f;
  f.ShowInWindow();
  auto* b = f.AddBlock(10, 10, 20, 20);
  TEventLog log(f.Diagram);
  b->MoveBy(1, 1);
  EXPECT_EQ(log.Count("modified"), 1);

  log.Entries.clear();
  f.Diagram->SetLoadingState();
  f.AddBlock(0, 0, 5, 5);
  f.Diagram->Loaded();
  EXPECT_EQ(log.Count("modified"), 0);
  EXPECT_EQ(log.Count("insert"), 0);
  EXPECT_EQ(log.Count("block"), 0);

  // Content left of the origin is shifted back by a programmatic move: the blocks report
  // their moves, but the diagram stays silent about them.
  log.Entries.clear();
  b->MoveBy(-40, 0);
  log.Entries.clear();
  f.Diagram->UpdateScrollRanges();
  EXPECT_GE(b->Bounds.Left, 0);
  EXPECT_EQ(log.Count("modified"), 0);

  log.Entries.clear();
  f.Diagram->MoveBlocks(5, 0, false, true);
  EXPECT_EQ(log.Count("modified"), 1) << "one report for the whole batch";

  log.Entries.clear();
  TEventLog* keep = &log;
  f.Diagram->Free();
  f.Diagram = nullptr;
  EXPECT_EQ(keep->Count("modified"), 0);
  EXPECT_EQ(keep->Count("remove"), 0);
}

TEST(UpdateBrackets, MoveBlocksHonoursSelectionMovabilityAndGroups) {
  TDiagramFixture f;
  auto* free1 = f.AddBlock(0, 0, 10, 10);
  auto* locked = f.AddBlock(0, 0, 10, 10);
  locked->SetRestrictions(TControlRestrictions{crNoMove});
  auto* member = f.AddBlock(0, 0, 10, 10);
  auto* g = f.AddGroup({member});
  auto* lone = f.AddBlock(0, 0, 10, 10);
  for (auto* c : std::initializer_list<TDiagramControl*>{free1, locked, member}) c->SetSelected(true);
  f.Diagram->MoveBlocks(0, 0, true, true);
  EXPECT_TRUE(free1->Log.empty()) << "a zero move does nothing";
  f.Diagram->MoveBlocks(5, 5, true, true);
  EXPECT_EQ(free1->Bounds.Left, 5);
  EXPECT_EQ(locked->Bounds.Left, 0);
  EXPECT_EQ(member->Bounds.Left, 5) << "a selected member of an unselected group moves";
  EXPECT_EQ(lone->Bounds.Left, 0);
  f.Diagram->MoveBlocks(5, 0, false, false);
  EXPECT_EQ(locked->Bounds.Left, 5);
  EXPECT_EQ(member->Bounds.Left, 5) << "members move with their group, not by themselves";
  EXPECT_EQ(g->Bounds.Left, 5);
}

// ---- Events ----

TEST(Events, JoiningLeavingAndSelectingReportInOrder) {
  TDiagramFixture f;
  TEventLog log(f.Diagram);
  auto* b = f.AddBlock(0, 0, 10, 10);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"block", "modified", "insert", "modified"}));
  log.Entries.clear();
  auto* l = f.AddLine({0, 0}, {1, 1});
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"link", "modified", "insert", "modified"}));
  log.Entries.clear();
  b->SetSelected(true);
  b->SetSelected(true);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"changing", "select", "changed"}));
  log.Entries.clear();
  b->SetDiagram(nullptr);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"remove", "modified"}));
  l->Free();
  EXPECT_EQ(log.Count("remove"), 2);
}

TEST(Events, TheDesignHookSeesSelectionBracketsAndChanges) {
  TDiagramFixture f;
  auto* b = f.AddBlock(0, 0, 10, 10);
  std::vector<TDiagramEventType> seen;
  f.Diagram->OnDesignEvent = [&](TObject*, TDiagramEventType t, int info) {
    EXPECT_EQ(info, 0);
    seen.push_back(t);
  };
  b->SetSelected(true);
  EXPECT_EQ(seen, (std::vector<TDiagramEventType>{etSelectionChanging, etControlSelected, etSelectionChanged}));
}

TEST(Events, LinkRemovalIsNotReportedWhileTheDiagramIsDestroyed) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({0, 0}, {1, 1});
  line->Source()->SetAnchorLink(block->GetLinkPoints()->GetItems(0));
  int removed = 0;
  f.Diagram->OnLinkRemoved = [&](TObject*, TDiagramControl*, TDiagramControl*, TLinkPoint*) { ++removed; };
  f.Diagram->Free();
  f.Diagram = nullptr;
  EXPECT_EQ(removed, 0);
}

// ---- Inserting ----

TEST(Inserting, AForcedGridSnapsJoiningBlocksUnlessLoading) {
  TDiagramFixture f;
  TSnapGrid& grid = *f.Diagram->GetSnapGrid();
  grid.SetActive(true);
  grid.SetForce(true);
  grid.SetSizeX(10);
  grid.SetSizeY(10);
  auto* b = f.AddBlock(13, 27, 53, 67);
  EXPECT_EQ(b->Bounds, (TSquare{10, 30, 50, 70}));
  auto* line = f.AddLine({13, 27}, {14, 28});
  EXPECT_EQ(line->P1, (TDot{13, 27})) << "lines are not snapped";
  f.Diagram->SetLoadingState();
  auto* loaded = f.AddBlock(13, 27, 14, 28);
  EXPECT_EQ(loaded->Bounds.Left, 13);
  f.Diagram->Loaded();
  grid.SetForce(false);
  EXPECT_EQ(f.AddBlock(13, 27, 14, 28)->Bounds.Left, 13);
  grid.SetForce(true);
  grid.SetActive(false);
  EXPECT_EQ(f.AddBlock(13, 27, 14, 28)->Bounds.Left, 13) << "forcing needs an active grid";
}

TEST(Inserting, APendingControlIsNamedButNotOnTheDiagramUntilPlaced) {
  TDiagramFixture f;
  QString askedFor;
  f.Diagram->OnBeforeCreateControl = [&](TObject*, const QString& id, QString& base) {
    askedFor = id;
    base = "Shape";
  };
  TDiagramControl* c = f.Diagram->CreateDControl(&TTestBlock::StaticClassInfo(), "Flow.Box");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(askedFor, "Flow.Box");
  EXPECT_EQ(c->GetName(), "Shape1");
  EXPECT_EQ(c->GetDControlID(), "Flow.Box");
  EXPECT_EQ(c->GetOwner(), f.Form);
  EXPECT_EQ(c->GetDiagram(), nullptr);
  EXPECT_EQ(f.Diagram->CreateDControl(nullptr, ""), nullptr);
  EXPECT_EQ(f.Diagram->CreateDControl(&TComponent::StaticClassInfo(), ""), nullptr);
  c->Free();

  auto* selected = f.AddBlock(0, 0, 10, 10);
  selected->SetSelected(true);
  f.Diagram->StartInsertingControl(&TTestBlock::StaticClassInfo(), true);
  TDiagramControl* pending = f.Diagram->GetInsertDControl();
  ASSERT_NE(pending, nullptr);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToInsert);
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
  auto* drawn = Create<TTestLine>(f.Form);
  drawn->SetInsertStyle(isDraw);
  f.Diagram->StartInsertingControl(drawn, false);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToDraw);
  EXPECT_EQ(f.Form->FindComponent("Shape1"), nullptr) << "the earlier pending control was freed";
  drawn->Free();
  EXPECT_EQ(f.Diagram->GetInsertDControl(), nullptr) << "a pending control freed elsewhere is forgotten";
  f.Diagram->CancelInsertingBlock();
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
}

// ---- Links ----

TEST(LinkAcceptance, ConstraintsOfTheAnchorDecideThenPermissionsThenTheEvent) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({0, 0}, {1, 1});
  TLinkPoint* q = block->GetLinkPoints()->GetItems(0);
  struct Case {
    TLinkConstraint constraint;
    bool source, target;
  };
  const Case cases[] = {{lcAll, true, true},
                        {lcSourceOnly, true, false},
                        {lcTargetOnly, false, true},
                        {lcNone, false, false}};
  for (const auto& k : cases) {
    q->SetLinkConstraint(k.constraint);
    EXPECT_EQ(f.Diagram->AcceptAnchor(line->Source(), q), k.source) << k.constraint;
    EXPECT_EQ(f.Diagram->AcceptAnchor(line->Target(), q), k.target) << k.constraint;
  }
  q->SetLinkConstraint(lcAll);
  block->SetRestrictions(TControlRestrictions{crNoLink});
  EXPECT_FALSE(f.Diagram->AcceptAnchor(line->Source(), q));
  block->SetRestrictions({});
  EXPECT_TRUE(f.Diagram->AcceptAnchor(nullptr, q));
  f.Diagram->OnAcceptAnchor = [](TObject*, TLinkPoint*, TLinkPoint*, bool& accept) { accept = !accept; };
  EXPECT_FALSE(f.Diagram->AcceptAnchor(line->Source(), q));

  EXPECT_TRUE(f.Diagram->DoAcceptLink(line, q, nullptr));
  f.Diagram->OnAcceptLink = [](TObject*, TDiagramControl*, TLinkPoint*, TLinkPoint*, bool& accept) { accept = false; };
  EXPECT_FALSE(f.Diagram->DoAcceptLink(line, q, nullptr));
  EXPECT_TRUE(f.Diagram->DoAcceptLink(line, nullptr, nullptr)) << "without anchors the event is not asked";
}

TEST(LinkAcceptance, LinkBetweenBlocksFindsLinesInEitherDirection) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(50, 0, 60, 10);
  auto* c = f.AddBlock(90, 0, 99, 10);
  auto* line = f.AddLine({10, 5}, {50, 5});
  line->Source()->SetAnchorLink(b->GetLinkPoints()->GetItems(3));
  line->Target()->SetAnchorLink(a->GetLinkPoints()->GetItems(1));
  EXPECT_EQ(f.Diagram->LinkBetweenBlocks(a, b), line);
  EXPECT_EQ(f.Diagram->LinkBetweenBlocks(b, a), line);
  EXPECT_FALSE(f.Diagram->AreBlocksLinked(a, c));
  EXPECT_EQ(f.Diagram->LinkBetweenBlocks(a, nullptr), nullptr);
}

// ---- Defaults and the published table ----

TEST(DiagramDefaults, ANewDiagramStartsEmptyAtFullSizeWithTheDocumentedSettings) {
  TDiagramFixture f;
  TdvDiagram* d = f.Diagram;
  EXPECT_EQ(d->DControlCount(), 0);
  EXPECT_EQ(d->GetZoom(), 100);
  EXPECT_EQ(d->GetZoomRatio(), 1.0);
  EXPECT_EQ(d->GetMouseState(), msBrowsing);
  EXPECT_EQ(d->GetWidth(), 200);
  EXPECT_EQ(d->GetHeight(), 200);
  EXPECT_EQ(d->GetMeasUnit(), duCenti);
  EXPECT_EQ(d->GetUnitSymbol(), "cm");
  EXPECT_FALSE(d->GetWheelZoom());
  EXPECT_EQ(d->GetWheelZoomIncrement(), 10);
  EXPECT_EQ(d->GetWheelZoomMin(), 10);
  EXPECT_EQ(d->GetWheelZoomMax(), 500);
  EXPECT_EQ(d->GetRestrictMovementWithCtrl(), (TMovementRestrictions{mrBlocks, mrLineHandles}));
  EXPECT_EQ(d->GetSelectionMode(), slmMultiple);
  EXPECT_EQ(d->GetSmoothMode(), smAntiAlias);
  EXPECT_EQ(d->GetTextRenderingMode(), tmAntiAlias);
  EXPECT_TRUE(d->GetCanMoveOutOfBounds());
  EXPECT_TRUE(d->GetStoreEmptyCells());
  EXPECT_EQ(d->GetGraphicLib(), dglGDIPlus);
  EXPECT_EQ(d->GetKeyActions(), (TDiagramKeyActions{kaEscape, kaMove, kaPage, kaResize, kaSelect}));
  EXPECT_EQ(d->GetClipboardNamePrefix(), "___clip___");
  EXPECT_EQ(d->GetLinkCursor(), crHandPoint);
  EXPECT_EQ(d->GetPanCursor(), crHandPoint);
  EXPECT_EQ(d->GetZoomCursor(), crDefault);
  EXPECT_TRUE(d->GetAutoScroll());
  EXPECT_FALSE(d->GetAutoPage());
  EXPECT_EQ(d->GetBorderStyle(), bsSingle);
  EXPECT_EQ(d->GetBorderColor(), clGray);
  EXPECT_EQ(d->GetExportBackgroundColor(), clWhite);
  EXPECT_EQ(d->GetPasteOffsetX(), 20);
  EXPECT_EQ(d->GetPasteOffsetY(), 20);
  EXPECT_EQ(d->GetNettoExportOffset(), 3);
  EXPECT_EQ(d->GetDragStyle(), dsOutline);
  EXPECT_EQ(d->GetHandlesStyle(), hsClassic);
  EXPECT_TRUE(d->GetShowLinkPoints());
  EXPECT_EQ(d->GetOriginalPPI(), 96);
  EXPECT_EQ(d->GetPaintStyle(), psScreen);
  EXPECT_EQ(d->GetHorzScrollBar()->GetPosition(), 0);
  EXPECT_EQ(d->GetVertScrollBar()->GetPosition(), 0);
  EXPECT_EQ(d->GetHorzScrollBar()->GetKind(), sbHorizontal);
  EXPECT_EQ(d->GetVertScrollBar()->GetKind(), sbVertical);
  EXPECT_EQ(d->GetTopRuler()->GetPosition(), rpTop);
  EXPECT_EQ(d->GetLeftRuler()->GetPosition(), rpLeft);
  EXPECT_EQ(d->GetTopRuler()->GetZoom(), 100);
  EXPECT_EQ(d->GetPageSettings()->GetPaperName(), "Letter");
  EXPECT_EQ(d->GetPageCount(), 1);
  EXPECT_EQ(d->GetDesignMode(), ddmEditable);
}

TEST(DiagramDefaults, ResetToDefaultsRestoresViewSettingsAndTheViewObjects) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  d.SetZoom(250);
  d.SetShowLinkPoints(false);
  d.SetMouseState(msMoving);
  TOwned<TBitmap> image(Create<TBitmap>());
  image->SetSize(4, 4);
  d.GetBackground()->SetVisible(true);
  d.GetBackground()->GetBitmap()->SetSize(10, 10);
  d.GetBackground()->GetPicture()->SetGraphic(image.get());
  d.GetSnapGrid()->SetVisible(true);
  d.GetSnapGrid()->SetActive(true);
  d.GetSnapGrid()->SetForce(true);
  d.GetSnapGrid()->SetSizeX(12);
  d.GetPageLines()->SetVisible(true);
  d.GetPageSettings()->SetPaperWidth(100);
  d.GetPageSettings()->SetOrientation(dpoLandscape);
  d.GetTopRuler()->SetVisible(true);

  d.ResetToDefaults();
  EXPECT_EQ(d.GetZoom(), 100);
  EXPECT_EQ(d.GetTopRuler()->GetZoom(), 100);
  EXPECT_EQ(d.GetLeftRuler()->GetZoom(), 100);
  EXPECT_TRUE(d.GetShowLinkPoints());
  EXPECT_EQ(d.GetMouseState(), msBrowsing);
  EXPECT_FALSE(d.GetBackground()->GetVisible());
  EXPECT_TRUE(d.GetBackground()->GetBitmap()->GetEmpty());
  EXPECT_TRUE(d.GetBackground()->GetPicture()->GetEmpty());
  EXPECT_EQ(d.GetBackground()->Image(), nullptr);
  EXPECT_FALSE(d.GetSnapGrid()->GetVisible());
  EXPECT_FALSE(d.GetSnapGrid()->GetActive());
  EXPECT_FALSE(d.GetPageLines()->GetVisible());
  EXPECT_EQ(d.GetPageSettings()->GetPaperWidth(), 215.9);
  EXPECT_EQ(d.GetPageSettings()->GetOrientation(), dpoPortrait);
  // What the reset does not cover stays.
  EXPECT_TRUE(d.GetSnapGrid()->GetForce());
  EXPECT_EQ(d.GetSnapGrid()->GetSizeX(), 12);
  EXPECT_TRUE(d.GetTopRuler()->GetVisible());
}

TEST(DiagramDefaults, LoadingEndsWithTheDefaultPaperWhenTheDocumentGaveNoSize) {
  TDiagramFixture f;
  TDiagramPageSettings& page = *f.Diagram->GetPageSettings();
  f.Diagram->SetLoadingState();
  page.ChangePaperID(9);  // A4
  page.SetLeftMargin(5);
  f.Diagram->Loaded();
  EXPECT_EQ(page.GetPaperWidth(), 210);
  EXPECT_EQ(page.GetLeftMargin(), 5) << "a paper with a size is kept";
  f.Diagram->SetLoadingState();
  page.SetPaperHeight(0);
  f.Diagram->Loaded();
  EXPECT_EQ(page.GetPaperName(), "Letter");
  EXPECT_EQ(page.GetPaperHeight(), 279.4);
  EXPECT_EQ(page.GetLeftMargin(), 25.4);
}

TEST(DiagramPublished, TheTableFollowsTheDocumentOrderAndWritesWhatADocumentCarries) {
  // Own properties in order; the events sit between them and the window's properties.
  const QStringList expected{"Name",
                             "Tag",
                             "PaintLinesFirst",
                             "NettoExportOffset",
                             "AutomaticNodes",
                             "AutoScroll",
                             "AutoPage",
                             "Background",
                             "SnapGrid",
                             "ShowLinkPoints",
                             "LeftRuler",
                             "TopRuler",
                             "Zoom",
                             "BorderColor",
                             "VertScrollBar",
                             "HorzScrollBar",
                             "MouseWheelMode",
                             "ActiveLayers",
                             "Layers",
                             "LinkCursor",
                             "PanCursor",
                             "ZoomCursor",
                             "IgnoreScreenDPI",
                             "ShowCrossIndicators",
                             "PageLines",
                             "KeyActions",
                             "HandlesStyle",
                             "SmoothMode",
                             "TextRenderingMode",
                             "SelectionMode",
                             "CanMoveOutOfBounds",
                             "PageSettings",
                             "RulerAutoUnit",
                             "MeasUnit",
                             "WheelZoom",
                             "WheelZoomIncrement",
                             "WheelZoomMin",
                             "WheelZoomMax",
                             "FixedPageWidth",
                             "FixedPageHeight",
                             "FixedPageCols",
                             "FixedPageRows",
                             "PasteOffsetX",
                             "PasteOffsetY"};
  QStringList names;
  for (const auto& p : TdvDiagram::StaticClassInfo().Properties())
    if (p.Kind != tkMethod) names << p.Name;
  EXPECT_EQ(names.mid(0, expected.size()), expected);
  // The window's own properties follow, as a form designer writes them.
  EXPECT_EQ(names.mid(expected.size()),
            (QStringList{"Align",        "Left",           "Width",      "Top",         "Height",
                         "Anchors",      "BevelEdges",     "BevelInner", "BevelOuter",  "BevelKind",
                         "BevelWidth",   "BiDiMode",       "BorderStyle", "Constraints", "DockSite",
                         "DragCursor",   "DragKind",       "DragMode",   "Enabled",     "Color",
                         "Ctl3D",        "Font",           "ParentBiDiMode", "ParentBackground", "ParentColor",
                         "ParentCtl3D",  "ParentFont",     "ParentShowHint", "PopupMenu", "ShowHint",
                         "TabOrder",     "TabStop",        "Visible"}));

  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  const TClassInfo& info = d.ClassInfo();
  auto written = [&](const QString& name) {
    const TPropInfo* p = info.FindProperty(name);
    return p->IsStored(d) && !p->IsDefaultValue(d);
  };
  QStringList writtenNames;
  for (const auto& p : info.Properties())
    if (p.Kind != tkMethod && p.Kind != tkClass && written(p.Name)) writtenNames << p.Name;
  EXPECT_EQ(writtenNames,
            (QStringList{"NettoExportOffset", "AutomaticNodes", "AutoScroll", "AutoPage", "ShowLinkPoints", "Zoom",
                         "BorderColor", "MouseWheelMode", "ActiveLayers", "LinkCursor", "PanCursor", "ZoomCursor",
                         "IgnoreScreenDPI", "ShowCrossIndicators", "KeyActions", "HandlesStyle", "SmoothMode",
                         "TextRenderingMode", "SelectionMode", "CanMoveOutOfBounds", "RulerAutoUnit", "MeasUnit",
                         "WheelZoom", "WheelZoomIncrement", "WheelZoomMin", "WheelZoomMax", "BorderStyle",
                         "ParentCtl3D"}));
  d.SetPaintLinesFirst(true);
  d.SetPasteOffsetX(5);
  d.SetFixedPageCols(2);
  d.SetFixedPageWidth(100);
  d.GetFont()->SetHeight(-20);
  EXPECT_TRUE(written("PaintLinesFirst"));
  EXPECT_TRUE(written("PasteOffsetX"));
  EXPECT_FALSE(written("PasteOffsetY"));
  EXPECT_TRUE(written("FixedPageCols"));
  EXPECT_TRUE(written("FixedPageWidth"));
  EXPECT_TRUE(written("ParentFont"));
  EXPECT_TRUE(info.FindProperty("Font")->IsStored(d));
  EXPECT_EQ(info.FindProperty("MeasUnit")->GetOrd(d), duCenti);
  EXPECT_EQ(info.FindProperty("KeyActions")->OrdSize, 1);
}

TEST(DiagramPublished, TheViewObjectsWriteTheirOwnEntriesInTableOrder) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  // The entries of the sub-objects a fresh diagram writes (the names as the document
  // spells them), and what some of them say.
  QStringList entries;
  for (const QString& v : tarnwick::testing::StoredValues(d))
    if (v.section('=', 0, 0).contains('.') && !v.startsWith("Font.")) entries << v;
  QStringList names;
  for (const QString& v : entries) names << v.section('=', 0, 0);
  const QStringList rulerEntries{"Visible",     "Units",     "Divisions",  "Font.Charset",    "Font.Color",
                                 "Font.Height", "Font.Name", "Font.Style", "MinorTickLength", "MajorTickLength",
                                 "Color",       "TickColor", "Size",       "AutoFactor",      "GridColor"};
  QStringList expected{"Background.Scroll",
                       "Background.Style",
                       "Background.Visible",
                       "Background.Gradient.Direction",
                       "Background.Gradient.StartColor",
                       "Background.Gradient.EndColor",
                       "Background.Gradient.Visible",
                       "Background.PrintGradient",
                       "SnapGrid.Active",
                       "SnapGrid.Force",
                       "SnapGrid.Visible",
                       "SnapGrid.Style",
                       "SnapGrid.SnapToRuler"};
  for (const QString& ruler : {QStringLiteral("LeftRuler."), QStringLiteral("TopRuler.")})
    for (const QString& e : rulerEntries) expected << ruler + e;
  expected << "PageLines.Visible"
           << "PageLines.Pen.Style"
           << "PageSettings.PaperName"
           << "PageSettings.PaperId"
           << "PageSettings.PaperWidth"
           << "PageSettings.PaperHeight"
           << "PageSettings.Orientation"
           << "PageSettings.LeftMarginStr"
           << "PageSettings.TopMarginStr"
           << "PageSettings.RightMarginStr"
           << "PageSettings.BottomMarginStr";
  EXPECT_EQ(names, expected) << "the scroll bars are all at their defaults";
  for (const char* v :
       {"Background.Visible=0", "SnapGrid.Active=0", "SnapGrid.Visible=0", "LeftRuler.Visible=0", "TopRuler.Size=0",
        "TopRuler.Units=1", "PageLines.Visible=0", "PageSettings.PaperName=Letter", "PageSettings.LeftMarginStr=25.4"})
    EXPECT_TRUE(entries.contains(v)) << v;

  d.GetSnapGrid()->SetSizeX(10);
  d.GetHorzScrollBar()->SetRange(900);
  d.GetHorzScrollBar()->SetPosition(300);
  d.GetTopRuler()->SetOffset(2.5);
  const QStringList changed = tarnwick::testing::StoredValues(d);
  EXPECT_TRUE(changed.contains("SnapGrid.SizeX=10"));
  EXPECT_FALSE(changed.join(' ').contains("SnapGrid.SizeY"));
  EXPECT_TRUE(changed.contains("HorzScrollBar.Position=300"));
  EXPECT_FALSE(changed.join(' ').contains("HorzScrollBar.Range")) << "the diagram keeps the ranges itself";
  EXPECT_TRUE(changed.contains("TopRuler.Offset=2.5"));
  d.SetAutoScroll(false);
  d.GetHorzScrollBar()->SetRange(900);
  EXPECT_TRUE(tarnwick::testing::StoredValues(d).contains("HorzScrollBar.Range=900"));
}

TEST(DiagramPublished, SettingAViewObjectCopiesItsValues) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  TOwned<TSnapGrid> grid(Create<TSnapGrid>());
  grid->SetActive(true);
  grid->SetSizeX(20);
  TOwned<TDiagramRuler> ruler(Create<TDiagramRuler>());
  ruler->SetVisible(true);
  ruler->SetUnits(unInch);
  d.SetSnapGrid(grid.get());
  d.SetTopRuler(ruler.get());
  EXPECT_NE(d.GetSnapGrid(), grid.get());
  EXPECT_TRUE(d.GetSnapGrid()->GetActive());
  EXPECT_EQ(d.GetSnapGrid()->GetSizeX(), 20);
  EXPECT_TRUE(d.GetTopRuler()->GetVisible());
  EXPECT_EQ(d.GetTopRuler()->GetUnits(), unInch);
  EXPECT_EQ(d.GetTopRuler()->GetPosition(), rpTop);
  EXPECT_EQ(d.GetTopRuler()->GetDiagram(), &d);
  EXPECT_THROW(d.SetBackground(nullptr), EConvertError);
}

TEST(DiagramPublished, ControlsAreStreamedOnlyWhenAskedAndTheClipboardTakesMarkedOnes) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetName("___clip___Box");
  std::vector<TComponent*> children;
  auto collect = [&] {
    children.clear();
    f.Diagram->GetChildren([&](TComponent* c) { children.push_back(c); }, f.Diagram);
    return children;
  };
  EXPECT_TRUE(collect().empty());
  f.Diagram->SetInternalStreaming(true);
  EXPECT_EQ(collect(), (std::vector<TComponent*>{a, b}));
  f.Diagram->SetInternalStreaming(false);
  f.Diagram->SetClipboardStreaming(true);
  EXPECT_EQ(collect(), (std::vector<TComponent*>{b}));
  EXPECT_EQ(f.Diagram->GetChildOwner(), f.Form);
  EXPECT_EQ(f.Diagram->GetChildParent(), f.Diagram);
}

TEST(Subscribers, SubscribersHearOfLibraryAndEngineChanges) {
  struct TProbe : IDiagramSubscriber {
    std::vector<TDgrEvent> Seen;
    void DgrNotification(const TDgrNotificationInfo& info) override { Seen.push_back(info.Event); }
  };
  TDiagramFixture f;
  auto probe = std::make_shared<TProbe>();
  f.Diagram->AddSubscriber(probe);
  f.Diagram->RefreshToolbars();
  f.Diagram->SetGraphicLib(dglGDI);
  f.Diagram->SetGraphicLib(dglGDI);
  EXPECT_EQ(probe->Seen, (std::vector<TDgrEvent>{deLibraryChanged, deGraphicLibChanged}));
  f.Diagram->RemoveSubscriber(probe.get());
  f.Diagram->RefreshToolbars();
  EXPECT_EQ(probe->Seen.size(), 2u);
}
