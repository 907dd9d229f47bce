// Scroll bars without a diagram: clamping against the computed range, what the window's
// bar shows, scroll requests, the layout of the two bars, Assign and the table.
#include <gtest/gtest.h>

#include "diagram/view/DiagramScrollBar.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct Bar {
  TDiagramScrollBar* b = Create<TDiagramScrollBar>(nullptr, sbHorizontal);
  ~Bar() { b->Free(); }
  TDiagramScrollBar* operator->() const { return b; }
};

}  // namespace

TEST(ScrollBarRange, PositionStopsAtRangeMinusVisibleExtent) {
  Bar bar;
  bar->SetRange(1000);
  bar->Update(300);
  EXPECT_EQ(bar->GetCalcRange(), 700);
  bar->SetPosition(5000);
  EXPECT_EQ(bar->GetPosition(), 700);
  bar->SetPosition(-40);
  EXPECT_EQ(bar->GetPosition(), 0);
  bar->SetPosition(250);
  EXPECT_EQ(bar->GetPosition(), 250);
  EXPECT_EQ(bar->WindowBar().Position, 250);
  // The area grows: the next update pulls the position back inside.
  bar->Update(900);
  EXPECT_EQ(bar->GetCalcRange(), 100);
  EXPECT_EQ(bar->GetPosition(), 100);
  bar->SetRange(-5);
  EXPECT_EQ(bar->GetRange(), 0);
}

TEST(ScrollBarRange, WindowBarShowsTheRangeOnlyWhenThereIsSomethingToScroll) {
  Bar bar;
  bar->SetRange(1000);
  bar->Update(300);
  EXPECT_EQ(bar->WindowBar().Min, 0);
  EXPECT_EQ(bar->WindowBar().Max, 1000);
  EXPECT_EQ(bar->WindowBar().Page, 301);
  EXPECT_TRUE(bar->IsScrollBarVisible());
  EXPECT_EQ(bar->GetPageIncrement(), 270);
  bar->Update(1000);
  EXPECT_EQ(bar->WindowBar().Max, 0);
  EXPECT_FALSE(bar->IsScrollBarVisible());
  bar->SetVisible(false);
  bar->Update(300);
  EXPECT_EQ(bar->GetCalcRange(), 0) << "a hidden bar scrolls nowhere";
  EXPECT_FALSE(bar->IsScrollBarVisible());
}

TEST(ScrollBarRange, PositionIsKeptUntilTheFirstUpdateKnowsTheExtent) {
  Bar bar;
  bar->SetPosition(120);
  EXPECT_EQ(bar->GetPosition(), 120) << "no extent yet: stored as given";
  bar->SetRange(1000);
  bar->Update(950);
  EXPECT_EQ(bar->GetPosition(), 50);
}

TEST(ScrollBarRange, AppearanceChangesAreAppliedAtTheNextUpdate) {
  Bar bar;
  bar->Update(100);
  EXPECT_TRUE(bar->WindowBar().ApplyAppearance) << "the first update sets the appearance up";
  bar->Update(100);
  EXPECT_FALSE(bar->WindowBar().ApplyAppearance);
  bar->SetStyle(ssFlat);
  bar->Update(100);
  EXPECT_TRUE(bar->WindowBar().ApplyAppearance);
}

TEST(ScrollBarIncrement, SmoothDerivesTheLineStepAndKeepsItPositive) {
  Bar bar;
  bar->SetIncrement(0);
  EXPECT_EQ(bar->GetIncrement(), 1);
  bar->SetIncrement(100000);
  EXPECT_EQ(bar->GetIncrement(), 32767);
  bar->SetIncrement(8);
  bar->SetSmooth(true);
  bar->Update(500);
  EXPECT_EQ(bar->GetPageIncrement(), 450);
  EXPECT_EQ(bar->GetIncrement(), 45);
  bar->Update(5);
  EXPECT_EQ(bar->GetIncrement(), 1) << "a tiny area still scrolls by a pixel";
}

TEST(ScrollRequests, PlainMovesAreOneClampedStep) {
  Bar bar;
  bar->SetRange(1000);
  bar->Update(300);
  bar->SetPosition(100);
  using V = std::vector<int>;
  EXPECT_EQ(bar->ScrollPositions(scLineDown, 0), V{108});
  EXPECT_EQ(bar->ScrollPositions(scLineUp, 0), V{92});
  EXPECT_EQ(bar->ScrollPositions(scPageDown, 0), V{400});
  EXPECT_EQ(bar->ScrollPositions(scPageUp, 0), V{0});
  EXPECT_EQ(bar->ScrollPositions(scPosition, 650), V{650});
  EXPECT_EQ(bar->ScrollPositions(scPosition, 9999), V{700});
  EXPECT_EQ(bar->ScrollPositions(scTrack, 650), V{}) << "tracking is off";
  EXPECT_EQ(bar->ScrollPositions(scTop, 0), V{0});
  EXPECT_EQ(bar->ScrollPositions(scBottom, 0), V{700});
  EXPECT_EQ(bar->ScrollPositions(scEndScroll, 0), V{});
  bar->SetTracking(true);
  EXPECT_EQ(bar->ScrollPositions(scTrack, 650), V{650});
  bar->SetPosition(0);
  EXPECT_EQ(bar->ScrollPositions(scLineUp, 0), V{}) << "nothing moves at the limit";
  bar->SetVisible(false);
  EXPECT_EQ(bar->ScrollPositions(scLineDown, 0), V{});
}

TEST(ScrollRequests, SmoothMovesAreAnimatedInEqualStepsAndTheRemainder) {
  Bar bar;
  bar->SetRange(2000);
  bar->SetSmooth(true);
  bar->Update(300);  // page increment 270, line increment 27
  bar->SetPosition(1000);
  using V = std::vector<int>;
  EXPECT_EQ(bar->ScrollPositions(scLineDown, 0), (V{1006, 1012, 1018, 1024, 1027}));
  std::vector<int> page = bar->ScrollPositions(scPageUp, 0);
  ASSERT_EQ(page.size(), 13u);
  EXPECT_EQ(page.front(), 978);
  EXPECT_EQ(page[11], 1000 - 12 * 22);
  EXPECT_EQ(page.back(), 730);
  // Near the end the animation stops where the range does.
  bar->SetPosition(1695);
  EXPECT_EQ(bar->ScrollPositions(scLineDown, 0), (V{1700}));
}

TEST(ScrollBarLayout, TheOtherBarTakesItsThicknessWhenShown) {
  // Nothing to scroll: full extents.
  TScrollBarLayout l = LayoutScrollBars(400, 300, 16, 100, true, 100, true);
  EXPECT_EQ(l.HorzExtent, 400);
  EXPECT_EQ(l.VertExtent, 300);
  EXPECT_FALSE(l.HorzFirst);
  // A tall drawing: the vertical bar is there in any case; the horizontal bar sees less.
  l = LayoutScrollBars(400, 300, 16, 390, true, 1000, true);
  EXPECT_TRUE(l.HorzFirst);
  EXPECT_EQ(l.HorzExtent, 384);
  EXPECT_EQ(l.VertExtent, 284) << "390 > 384, so the horizontal bar shows too";
  // A wide drawing only: the vertical extent loses the horizontal bar, and a drawing that
  // fits the full height may then need the vertical bar as well.
  l = LayoutScrollBars(400, 300, 16, 1000, true, 290, true);
  EXPECT_FALSE(l.HorzFirst);
  EXPECT_EQ(l.VertExtent, 284);
  EXPECT_EQ(l.HorzExtent, 384);
  // A hidden bar never takes room.
  l = LayoutScrollBars(400, 300, 16, 1000, false, 290, true);
  EXPECT_EQ(l.VertExtent, 300);
  EXPECT_EQ(l.HorzExtent, 400);
  l = LayoutScrollBars(10, 10, 16, 1000, true, 1000, true);
  EXPECT_EQ(l.HorzExtent, 0);
  EXPECT_EQ(l.VertExtent, 0);
}

TEST(ScrollBarTable, PublishedPropertiesAndTheirStoredRules) {
  EXPECT_EQ(PropertyNames(TDiagramScrollBar::StaticClassInfo()),
            (QStringList{"Color", "Increment", "Margin", "ParentColor", "Position", "Range", "Smooth", "Size", "Style",
                         "ThumbSize", "Tracking", "Visible"}));
  Bar bar;
  EXPECT_EQ(StoredNames(*bar.b), QStringList{}) << "a fresh bar writes nothing";
  EXPECT_EQ(bar->GetColor(), clBtnHighlight);
  EXPECT_EQ(bar->GetDelay(), 10);
  EXPECT_EQ(bar->GetPageIncrement(), 80);
  bar->SetIncrement(12);
  bar->SetRange(500);
  bar->SetVisible(false);
  bar->SetParentColor(false);
  EXPECT_EQ(StoredValues(*bar.b), (QStringList{"Increment=12", "ParentColor=0", "Range=500", "Visible=0"}));
  bar->SetSmooth(true);
  EXPECT_EQ(StoredNames(*bar.b), (QStringList{"ParentColor", "Range", "Smooth", "Visible"}))
      << "a smooth bar derives its increment, so it is not written";
}

TEST(ScrollBarAssign, CopiesVisibleRangePositionAndIncrement) {
  Bar a, b;
  a->SetRange(800);
  a->Update(200);
  a->SetPosition(300);
  a->SetIncrement(20);
  a->SetTracking(true);
  a->SetColor(clRed);
  a->SetSmooth(true);
  b->SetVisible(false);
  b->Assign(a.b);
  EXPECT_TRUE(b->GetVisible());
  EXPECT_EQ(b->GetRange(), 800);
  EXPECT_EQ(b->GetPosition(), 300);
  EXPECT_EQ(b->GetIncrement(), 20);
  EXPECT_FALSE(b->GetTracking());
  EXPECT_EQ(b->GetColor(), clBtnHighlight);
  EXPECT_FALSE(b->GetSmooth());
}
