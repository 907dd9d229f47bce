// Link points, stretch handles, text cells and handle appearance as the control base and
// the diagram use them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "TestControls.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TLinkEventLog {
  std::vector<std::string> Entries;
  void Watch(TDiagramFixture& f, TDiagramControl* block) {
    block->OnLinkAdded = [this](TDiagramControl*, TDiagramControl*, TLinkPoint*) { Entries.push_back("control+"); };
    block->OnLinkRemoved = [this](TDiagramControl*, TDiagramControl*, TLinkPoint*) {
      Entries.push_back("control-");
    };
    f.Diagram->OnLinkAdded = [this](TObject*, TDiagramControl*, TDiagramControl*, TLinkPoint*) {
      Entries.push_back("diagram+");
    };
    f.Diagram->OnLinkRemoved = [this](TObject*, TDiagramControl*, TDiagramControl*, TLinkPoint*) {
      Entries.push_back("diagram-");
    };
  }
};

}  // namespace

TEST(Anchoring, AnchoringALineEndRegistersItAndFiresBothLinkEventsOnce) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 100, 100);
  auto* line = f.AddLine({0, 0}, {50, 50});
  TLinkEventLog log;
  log.Watch(f, block);
  TLinkPoint* q = block->GetLinkPoints()->GetItems(2);
  line->Target()->SetAnchorLink(q);
  EXPECT_EQ(line->Target()->GetAnchor(), block);
  EXPECT_EQ(line->Target()->GetAnchorIndex(), 2);
  EXPECT_EQ(line->Target()->GetAnchorLink(), q);
  ASSERT_EQ(q->AnchoredCount(), 1);
  EXPECT_EQ(q->GetAnchoredItem(0), line->Target());
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"control+", "diagram+"}));

  line->Target()->SetAnchor(nullptr);
  EXPECT_EQ(q->AnchoredCount(), 0);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"control+", "diagram+", "control-", "diagram-"}));
}

TEST(Anchoring, ALineAnchoredToItsOwnOtherEndIsFreedCleanly) {
  // Each end must unregister from the other while the line goes; the sanitizer build
  // reports any point left pointing at a freed one.
  TDiagramFixture f;
  auto* line = f.AddLine({0, 0}, {50, 50});
  auto* other = f.AddLine({0, 0}, {80, 80});
  line->Source()->SetAnchorLink(line->Target());
  other->Source()->SetAnchorLink(line->Source());
  ASSERT_EQ(line->Target()->AnchoredCount(), 1);
  line->Free();
  EXPECT_EQ(other->Source()->GetAnchor(), nullptr);
}

TEST(Anchoring, AnIndexBeyondTheAnchorsPointsIsDroppedAndReadsNoAnchorLink) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 100, 100);
  auto* line = f.AddLine({0, 0}, {50, 50});
  line->Source()->SetAnchorIndex(9);
  EXPECT_EQ(line->Source()->GetAnchorLink(), nullptr);
  line->Source()->SetAnchor(block);
  EXPECT_EQ(line->Source()->GetAnchorIndex(), -1);
  EXPECT_EQ(line->Source()->GetAnchorLink(), nullptr);
  for (int i = 0; i < block->GetLinkPoints()->Count(); ++i)
    EXPECT_EQ(block->GetLinkPoints()->GetItems(i)->AnchoredCount(), 0);
}

TEST(Anchoring, PointsOfBlocksReceiveAnchorsAndEndsOfLinesMakeThem) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 100, 100);
  auto* line = f.AddLine({0, 0}, {50, 50});
  EXPECT_FALSE(block->GetLinkPoints()->GetItems(0)->GetCanAnchor());
  EXPECT_TRUE(line->Source()->GetCanAnchor());
  EXPECT_TRUE(line->Source()->GetCanAnchorInMove());
  EXPECT_TRUE(block->GetLinkPoints()->GetItems(0)->GetAcceptAnchoreds());
  EXPECT_EQ(block->GetLinkPoints()->GetItems(1)->DiagramPoint(), (TDot{100, 50}));
  EXPECT_EQ(block->GetLinkPoints()->GetItems(1)->GetStyle(), ptCross);
  block->SetLinkPointStyle(ptDiamond);
  EXPECT_EQ(block->GetLinkPoints()->GetItems(1)->GetStyle(), ptDiamond);
  block->SetDiagram(nullptr);
  EXPECT_EQ(block->GetLinkPoints()->GetItems(1)->GetStyle(), ptCross) << "outside a diagram";
}

TEST(Anchoring, ABlockLeavingTheDiagramReleasesTheLinesAnchoredToIt) {
  TDiagramFixture f;
  auto* block = f.AddBlock(0, 0, 100, 100);
  auto* line = f.AddLine({0, 0}, {50, 50});
  line->Source()->SetAnchorLink(block->GetLinkPoints()->GetItems(0));
  line->Log.clear();
  block->NotifyAnchoreds(acPosition);
  EXPECT_EQ(line->Log, std::vector<std::string>{"position"});
  line->Log.clear();
  block->SetDiagram(nullptr);
  EXPECT_EQ(line->Source()->GetAnchor(), nullptr);
  EXPECT_EQ(line->Source()->GetAnchorIndex(), -1);
  EXPECT_EQ(line->Log.back(), "removal");
}

TEST(Anchoring, FreeingAnAnchorOutsideAnyDiagramLeavesNoDanglingAnchor) {
  TComponent* form = Create<TComponent>(nullptr);
  auto* block = Create<TTestBlock>(form);
  auto* line = Create<TTestLine>(form);
  auto* loose = Create<TTestLine>(form);
  line->Source()->SetAnchorLink(block->GetLinkPoints()->GetItems(3));
  // Anchored to the control, but with no valid point: only the free notification helps.
  loose->Target()->SetAnchor(block);
  block->Free();
  EXPECT_EQ(line->Source()->GetAnchor(), nullptr);
  EXPECT_EQ(line->Source()->GetAnchorIndex(), -1);
  EXPECT_EQ(loose->Target()->GetAnchor(), nullptr);
  form->Free();
}

TEST(Anchoring, UnlinkFromUnselectedReleasesAnchorsToUnselectedControlsOnly) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(50, 0, 60, 10);
  auto* line = f.AddLine({10, 5}, {50, 5});
  line->Source()->SetAnchorLink(a->GetLinkPoints()->GetItems(1));
  line->Target()->SetAnchorLink(b->GetLinkPoints()->GetItems(3));
  a->SetSelected(true);
  line->UnlinkFromUnselected();
  EXPECT_EQ(line->Source()->GetAnchor(), a);
  EXPECT_EQ(line->Target()->GetAnchor(), nullptr);
  EXPECT_EQ(line->Target()->GetAnchorIndex(), -1);
}

TEST(LinkPointOrientation, TheOrientationTurnsWithTheControlInQuarterTurns) {
  struct Case {
    TAnchorOrientation orientation;
    double angle;
    TAnchorOrientation expected;
  };
  const Case cases[] = {
      {aoUp, 90, aoRight},  {aoUp, 30, aoUp},        {aoUp, 180, aoDown},    {aoUp, 270, aoLeft},
      {aoUp, 330, aoUp},    {aoHorz, 90, aoVert},    {aoVert, 270, aoHorz},  {aoLeft, 135, aoRight},
      {aoDown, 45, aoLeft}, {aoRight, 224, aoLeft},  {aoNone, 90, aoNone},   {aoRight, 0, aoRight},
  };
  auto* b = Create<TTestBlock>(nullptr);
  TLinkPoint* p = b->GetLinkPoints()->GetItems(0);
  for (const auto& k : cases) {
    p->SetOrientation(k.orientation);
    b->SetAngle(k.angle);
    EXPECT_EQ(p->GetRealOrientation(), k.expected) << k.orientation << " at " << k.angle;
  }
  b->Free();
}

TEST(LinkPointNodes, CollapsingHidesWhatHangsBelowAndRefusesLoops) {
  TDiagramFixture f;
  auto* root = f.AddBlock(0, 0, 10, 10);
  auto* child = f.AddBlock(0, 50, 10, 60);
  auto* line = f.AddLine({5, 10}, {5, 50});
  TLinkPoint* node = root->GetLinkPoints()->GetItems(2);

  node->SetCollapsed(true);
  EXPECT_FALSE(node->GetCollapsed()) << "nothing is anchored yet";

  line->Source()->SetAnchorLink(node);
  line->Target()->SetAnchorLink(child->GetLinkPoints()->GetItems(0));
  node->SetCollapsed(true);
  EXPECT_FALSE(node->GetCollapsed()) << "not collapsable and no automatic nodes";
  node->SetCollapsable(true);
  EXPECT_TRUE(node->IsNode());
  node->Collapse();
  EXPECT_TRUE(node->GetCollapsed());
  EXPECT_FALSE(line->IsVisible());
  EXPECT_FALSE(child->IsVisible());
  EXPECT_TRUE(root->IsVisible());
  node->Expand();
  EXPECT_TRUE(child->IsVisible());

  // A line from the child back to the root closes a loop: collapsing is refused.
  auto* back = f.AddLine({0, 55}, {0, 5});
  back->Source()->SetAnchorLink(child->GetLinkPoints()->GetItems(3));
  back->Target()->SetAnchorLink(root->GetLinkPoints()->GetItems(3));
  node->Collapse();
  EXPECT_FALSE(node->GetCollapsed());
  EXPECT_TRUE(child->IsVisible());
}

TEST(LinkPointNodes, AutomaticNodesMakeEveryAnchoredPointANodeAndClickingToggles) {
  TDiagramFixture f;
  auto* root = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({5, 10}, {5, 50});
  TLinkPoint* node = root->GetLinkPoints()->GetItems(2);
  line->Source()->SetAnchorLink(node);
  EXPECT_FALSE(node->IsNode());
  f.Diagram->SetAutomaticNodes(true);
  EXPECT_TRUE(node->IsNode());
  f.Diagram->ClickLinkNode(node);
  EXPECT_TRUE(node->GetCollapsed());
  EXPECT_FALSE(line->IsVisible());
  f.Diagram->ClickLinkNode(node);
  EXPECT_FALSE(node->GetCollapsed());
}

TEST(StretchHandles, AssigningKeepsTheEndHandlesAndAdjustsTheInnerOnes) {
  auto* target = Create<TTestLine>(nullptr);
  auto* source = Create<TTestLine>(nullptr);
  TStretchHandles* t = target->GetHandles();
  for (int i = 0; i < 5; ++i) t->Add(i, 0, crDefault, i, hsSize);
  for (int i = 0; i < 3; ++i) source->GetHandles()->Add(10 * i, 1, crDefault, 10 + i, hsCustom);
  TStretchHandle* first = t->GetItems(0);
  TStretchHandle* last = t->GetItems(4);
  TStretchHandle* second = t->GetItems(1);
  t->Assign(source->GetHandles());
  ASSERT_EQ(t->Count(), 3);
  EXPECT_EQ(t->GetItems(0), first);
  EXPECT_EQ(t->GetItems(1), second);
  EXPECT_EQ(t->GetItems(2), last);
  EXPECT_EQ(t->GetItems(1)->GetOrPoint(), (TDot{10, 1}));
  EXPECT_EQ(t->GetItems(2)->GetData(), 12);

  // Growing again adds the missing inner handles before the last one.
  for (int i = 3; i < 6; ++i) source->GetHandles()->Add(10 * i, 1, crDefault, 10 + i, hsCustom);
  t->Assign(source->GetHandles());
  ASSERT_EQ(t->Count(), 6);
  EXPECT_EQ(t->GetItems(5), last);
  EXPECT_EQ(t->GetItems(5)->GetOrPoint(), (TDot{50, 1}));
  EXPECT_EQ(t->FindByData(13), t->GetItems(3));
  EXPECT_EQ(t->FindByData(99), nullptr);
  EXPECT_EQ(t->RotateHandle(), nullptr);
  t->GetItems(2)->SetStyle(hsRotate);
  EXPECT_EQ(t->RotateHandle(), t->GetItems(2));
  target->Free();
  source->Free();
}

TEST(StretchHandles, HandlesShowForSelectedControlsAndDragByTheirStylesPermission) {
  TDiagramFixture f;
  auto* b = f.AddBlock(0, 0, 100, 100);
  TStretchHandle* h = b->GetHandles()->GetItems(1);
  EXPECT_EQ(h->DiagramPoint(), (TDot{100, 100}));
  EXPECT_FALSE(h->GetVisible());
  b->SetSelected(true);
  EXPECT_TRUE(h->GetVisible());
  h->SetVisible(false);
  EXPECT_FALSE(h->GetVisible());
  h->SetVisible(true);

  struct Case {
    THandleStyle style;
    TControlRestriction restriction;
    bool canDrag;
  };
  const Case cases[] = {{hsSize, crNoResize, false},      {hsCustom, crNoResize, false},
                        {hsRotate, crNoRotation, false},  {hsRotCenter, crNoRotation, false},
                        {hsRotCenter, crNoRotCenterMove, false}, {hsSize, crNoRotation, true},
                        {hsRotate, crNoResize, true}};
  for (const auto& k : cases) {
    h->SetStyle(k.style);
    b->SetRestrictions(TControlRestrictions{k.restriction});
    EXPECT_EQ(h->CanDrag(), k.canDrag) << k.style << "/" << k.restriction;
    h->SetAlwaysMovable(true);
    EXPECT_TRUE(h->CanDrag());
    h->SetAlwaysMovable(false);
  }
}

TEST(TextCells, BoundsAreNormalisedAndOwnAnglesAndFontsStopFollowing) {
  auto* b = Create<TTestBlock>(nullptr);
  b->GetFont()->SetName("Verdana");
  TTextCell* cell = b->DefaultTextCell();
  EXPECT_EQ(cell->GetFont()->GetName(), "Verdana") << "a new cell takes the control's font";
  EXPECT_TRUE(cell->GetWordWrap());
  EXPECT_EQ(cell->GetAlignment(), taCenter);
  EXPECT_EQ(cell->GetVertAlign(), vaTop);
  cell->SetBoundsRect(TSquare{100, 100, 0, 0});
  EXPECT_EQ(cell->GetBoundsRect(), (TSquare{0, 0, 100, 100}));
  cell->SetWidth(-20);
  EXPECT_EQ(cell->GetBoundsRect(), (TSquare{-20, 0, 0, 100}));

  const TClassInfo& info = TTextCell::StaticClassInfo();
  auto stored = [&](const char* name) {
    const TPropInfo* p = info.FindProperty(name);
    return p->IsStored(*cell) && !p->IsDefaultValue(*cell);
  };
  EXPECT_FALSE(stored("Font"));
  EXPECT_FALSE(stored("Angle"));
  EXPECT_TRUE(stored("DControlAngle"));
  EXPECT_TRUE(stored("Transparency"));
  EXPECT_FALSE(stored("ParentTransparency"));
  EXPECT_FALSE(stored("Text"));
  cell->SetAngle(30);
  cell->GetFont()->SetHeight(-30);
  cell->SetText("Hello");
  EXPECT_FALSE(cell->GetDControlAngle());
  EXPECT_FALSE(cell->GetDControlFont());
  EXPECT_TRUE(stored("Font"));
  EXPECT_TRUE(stored("Angle"));
  EXPECT_TRUE(stored("Text"));
  b->GetFont()->SetName("Arial");
  EXPECT_EQ(cell->GetFont()->GetName(), "Verdana") << "a cell with its own font keeps it";
  b->Free();
}

TEST(TextCells, APaintedRectangleCountsOnlyForAutoFramedCellsOfSelectableControls) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* cell = b->DefaultTextCell();
  cell->SetBounds(0, 0, 50, 50);
  cell->GetCellFrame()->SetAutoFrame(true);
  cell->SetPaintedRect(TSquare{-10, -10, 80, 80});
  EXPECT_EQ(cell->GetPaintedRect(), (TSquare{0, 0, 50, 50})) << "the control's cells are not selectable";
  b->SetSelectableTextCells(true);
  EXPECT_EQ(cell->GetPaintedRect(), (TSquare{-10, -10, 80, 80}));
  cell->SetText("changed");
  EXPECT_FALSE(cell->GetPaintedRectCalculated()) << "a changed cell must be painted again";
  EXPECT_EQ(cell->GetPaintedRect(), (TSquare{0, 0, 50, 50}));
  b->Free();
}

TEST(HandleAppearance, EachHandleStyleHasItsLookScaledToTheScreen) {
  THandlesAppearance* a = Create<THandlesAppearance>();
  a->ApplyDefaults(hsClassic, 1.5, false);
  EXPECT_EQ(a->GetSize()->GetBrush()->GetColor(), clBlack);
  EXPECT_EQ(a->GetSize()->GetDisabledBrush()->GetColor(), clGray);
  EXPECT_EQ(a->GetSize()->GetSize(), 3.0);
  EXPECT_EQ(a->GetSize()->GetStyle(), hhRectangle);
  EXPECT_EQ(a->GetRotate()->GetBrush()->GetStyle(), bsClear);
  EXPECT_EQ(a->GetRotate()->GetStyle(), hhEllipse);
  EXPECT_FALSE(a->GetRotCenter()->GetVisible());
  EXPECT_EQ(a->GetCustom()->GetBrush()->GetColor(), clYellow);
  EXPECT_EQ(a->GetCustom()->GetSize(), 4.5);
  EXPECT_EQ(a->GetCustom()->GetStyle(), hhDiamond);

  a->ApplyDefaults(hsVisio, 1, false);
  EXPECT_EQ(a->GetSize()->GetBrush()->GetColor(), clLime);
  EXPECT_EQ(a->GetSize()->GetDisabledBrush()->GetColor(), clSilver);
  EXPECT_EQ(a->GetSize()->GetSize(), 3.0);
  EXPECT_EQ(a->GetRotate()->GetSize(), 4.0);
  EXPECT_TRUE(a->GetRotCenter()->GetVisible());
  EXPECT_EQ(a->GetRotCenter()->GetStyle(), hhCrossedEllipse);

  a->ApplyDefaults(hsVisio, 1, true);
  EXPECT_EQ(a->GetSize()->GetStyle(), hhRectangleX);
  EXPECT_EQ(a->GetSize()->GetPen()->GetColor(), clGray);
  EXPECT_EQ(a->GetRotate()->GetStyle(), hhEllipseX);
  EXPECT_EQ(a->ForStyle(hsRotCenter), a->GetRotCenter());
  a->Free();
}

TEST(HandleAppearance, HandlesAreDrawnEnabledOnlyWhenTheirActionIsAllowed) {
  TDiagramFixture f;
  auto* b = f.AddBlock(100, 100, 200, 200);
  b->SetSelected(true);
  auto draw = [&] {
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    b->DrawHandles(TDiagramDrawInfo{&canvas, b->GetDrawer(), nullptr});
    painter.end();
    return image;
  };
  QImage enabled = draw();
  EXPECT_EQ(enabled.pixelColor(200, 200), QColor(Qt::black)) << "size handle, classic style";
  EXPECT_EQ(enabled.pixelColor(202, 202), QColor(Qt::black)) << "half size 2 around the point";
  EXPECT_EQ(enabled.pixelColor(204, 204), QColor(Qt::white));
  b->SetRestrictions(TControlRestrictions{crNoResize});
  EXPECT_EQ(draw().pixelColor(200, 200), QColor(0x80, 0x80, 0x80)) << "disabled: grey";
  b->SetSelected(false);
  EXPECT_EQ(draw().pixelColor(200, 200), QColor(Qt::white)) << "unselected controls show no handles";
}
