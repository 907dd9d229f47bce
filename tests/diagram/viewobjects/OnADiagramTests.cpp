// The objects on a diagram: what they ask of it (repaints, units, zoom, loading state,
// the scroll-range mode) and how the snap grid follows the rulers.
#include <gtest/gtest.h>

#include "diagram/model/Gradient.h"
#include "diagram/printing/PageLines.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/SnapGrid.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

class OnADiagram : public ::testing::Test {
 protected:
  void SetUp() override {
    d = Create<TdvDiagram>(nullptr);
    d->SetIgnoreScreenDPI(true);
  }
  void TearDown() override { d->Free(); }

  // The redraw requests counted while f runs.
  template <class F>
  int RedrawsDuring(F f) {
    d->BeginUpdate();
    f();
    return d->EndUpdate(true);
  }

  TdvDiagram* d = nullptr;
};

}  // namespace

TEST_F(OnADiagram, ChangesRequestOneRedrawAndActiveOrForceNone) {
  auto* grid = Create<TSnapGrid>(d);
  auto* back = Create<TDiagramBackground>(d);
  auto* lines = Create<TPageLines>(d);
  auto* ruler = Create<TDiagramRuler>(d);
  ASSERT_EQ(RedrawsDuring([] {}), 0);
  EXPECT_EQ(RedrawsDuring([&] { back->GetGradient()->SetStartColor(clRed); }), 1);
  EXPECT_EQ(RedrawsDuring([&] { back->GetGradient()->SetStartColor(clRed); }), 0) << "unchanged";
  EXPECT_EQ(RedrawsDuring([&] { back->SetScroll(false); }), 1);
  EXPECT_EQ(RedrawsDuring([&] { grid->SetSizeX(12); }), 1);
  EXPECT_EQ(RedrawsDuring([&] {
              grid->SetActive(true);
              grid->SetForce(true);
            }),
            0);
  EXPECT_GE(RedrawsDuring([&] { grid->GetPen()->SetColor(clRed); }), 1);
  EXPECT_GE(RedrawsDuring([&] { ruler->SetTickColor(clRed); }), 1);
  EXPECT_GE(RedrawsDuring([&] { ruler->GetFont()->SetName("Courier"); }), 1);
  EXPECT_EQ(RedrawsDuring([&] { lines->SetVisible(true); }), 1);
  EXPECT_TRUE(lines->GetVisible()) << "page lines on a diagram can be shown";
  ruler->Free();
  lines->Free();
  back->Free();
  grid->Free();
}

TEST_F(OnADiagram, RangeIsNotWrittenWhileTheDiagramManagesTheRanges) {
  auto* bar = Create<TDiagramScrollBar>(d, sbVertical);
  bar->SetRange(700);
  ASSERT_TRUE(d->GetAutoScroll());
  EXPECT_FALSE(StoredNames(*bar).contains("Range"));
  d->SetAutoScroll(false);
  bar->SetRange(700);
  EXPECT_TRUE(StoredNames(*bar).contains("Range"));
  d->SetAutoPage(true);
  EXPECT_FALSE(StoredNames(*bar).contains("Range"));
  d->SetAutoPage(false);
  bar->SetRange(0);
  EXPECT_FALSE(StoredNames(*bar).contains("Range")) << "0 is never written";
  bar->Free();
}

TEST_F(OnADiagram, WhileLoadingPositionAndUnitsOnlyStore) {
  auto* bar = Create<TDiagramScrollBar>(d, sbHorizontal);
  auto* ruler = Create<TDiagramRuler>(d);
  bar->SetRange(100);
  bar->Update(50);
  d->SetLoadingState();
  bar->SetPosition(400);
  EXPECT_EQ(bar->GetPosition(), 400) << "the range arrives later in the document";
  ruler->SetDivisions(3);
  ruler->SetUnits(unInch);
  EXPECT_EQ(ruler->GetDivisions(), 3) << "a document's Divisions survive its Units";
  bar->Update(50);
  ruler->Free();
  bar->Free();
}

TEST_F(OnADiagram, RulerFollowsTheDiagramsUnitZoomAndScreen) {
  auto* ruler = Create<TDiagramRuler>(d, rpLeft);
  EXPECT_EQ(ruler->GetPosition(), rpLeft);
  EXPECT_EQ(ruler->ScreenPPI(), 96);
  EXPECT_EQ(ruler->GetUnits(), unCenti);
  d->SetMeasUnit(duInch);
  EXPECT_EQ(ruler->GetUnits(), unCenti) << "RulerAutoUnit is off";
  d->SetRulerAutoUnit(true);
  EXPECT_EQ(ruler->GetUnits(), unInch);
  EXPECT_EQ(ruler->GetStoredUnits(), unCenti);
  d->SetMeasUnit(duMili);
  EXPECT_EQ(ruler->GetUnits(), unMili);
  EXPECT_DOUBLE_EQ(ruler->TickSpacing().LabelStep, 10);
  ruler->SetOffset(10.4);
  d->SetZoom(150);
  EXPECT_EQ(ruler->OffsetPixels(), 16);  // 1.5 x 10.4 = 15.6
  ruler->Free();
}

TEST_F(OnADiagram, RulerWithAWindowIsAsHighAsItsLabelsPlusTheMinorTick) {
  auto* ruler = Create<TDiagramRuler>(d);
  ruler->SetSize(0);
  EXPECT_EQ(ruler->GetSize(), 0) << "no window yet: no text to measure against";
  d->GetHandle();
  ruler->SetSize(0);
  const int expected = ruler->GetFont()->Metrics().height() + 4;
  EXPECT_EQ(ruler->GetSize(), expected);
  ruler->SetSize(expected + 10);
  EXPECT_EQ(ruler->GetSize(), expected + 10);
  ruler->SetMinorTickLength(30);
  EXPECT_EQ(ruler->GetSize(), ruler->GetFont()->Metrics().height() + 30) << "Changed re-applies the minimum";
  EXPECT_EQ(ruler->VisibleSize(), 0);
  ruler->SetVisible(true);
  EXPECT_EQ(ruler->VisibleSize(), ruler->GetSize());
  ruler->Free();
}

TEST_F(OnADiagram, SnapGridFollowsTheRulersTickSpacing) {
  auto* grid = Create<TSnapGrid>(d);
  auto* top = Create<TDiagramRuler>(d, rpTop);
  auto* left = Create<TDiagramRuler>(d, rpLeft);
  grid->SetRulers(top, left);
  top->SetSnapGrid(grid);
  left->SetSnapGrid(grid);
  left->SetUnits(unInch);
  EXPECT_EQ(grid->GetSizeX(), 8) << "SnapToRuler is off";
  grid->SetSnapToRuler(true);
  EXPECT_DOUBLE_EQ(grid->GetSizeX(), 96.0 / 5 / 2.54);
  EXPECT_DOUBLE_EQ(grid->GetSizeY(), 12);
  top->SetAutoFactor(false);
  top->SetZoom(200);
  EXPECT_DOUBLE_EQ(grid->GetSizeX(), 2 * 96.0 / 5 / 2.54) << "a zoom change moves the grid";
  grid->SetRulers(nullptr, nullptr);
  top->SetSnapGrid(nullptr);
  left->SetSnapGrid(nullptr);
  left->Free();
  top->Free();
  grid->Free();
}
