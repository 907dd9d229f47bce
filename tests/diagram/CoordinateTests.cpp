// Coordinates, units, snapping, zoom and the content extent.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "TestControls.h"
#include "platform/gui/Font.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

void ExpectNear(TDot a, TDot b, double tol, const char* what) {
  EXPECT_NEAR(a.X, b.X, tol) << what;
  EXPECT_NEAR(a.Y, b.Y, tol) << what;
}

TPoint Scroll(const TdvDiagram& d) {
  return TPoint{d.GetHorzScrollBar()->GetPosition(), d.GetVertScrollBar()->GetPosition()};
}

TPoint Ranges(const TdvDiagram& d) {
  return TPoint{d.GetHorzScrollBar()->GetRange(), d.GetVertScrollBar()->GetRange()};
}

// Scrolls a diagram that need not have any content: the ranges are made large enough.
void ScrollTo(TdvDiagram& d, int X, int Y) {
  d.GetHorzScrollBar()->SetRange(std::max(d.GetHorzScrollBar()->GetRange(), 10000));
  d.GetVertScrollBar()->SetRange(std::max(d.GetVertScrollBar()->GetRange(), 10000));
  d.GetHorzScrollBar()->SetPosition(X);
  d.GetVertScrollBar()->SetPosition(Y);
}

void ShowRulers(TdvDiagram& d, int LeftSize, int TopSize) {
  d.GetLeftRuler()->SetSize(LeftSize);
  d.GetLeftRuler()->SetVisible(true);
  d.GetTopRuler()->SetSize(TopSize);
  d.GetTopRuler()->SetVisible(true);
}

}  // namespace

TEST(Conversions, EachPaintStyleMapsDiagramUnitsToCanvasPixelsAndBack) {
  struct Case {
    const char* name;
    std::function<void(TTestDiagram&)> setup;
    TDot in;
    TDot out;
  };
  const Case cases[] = {
      {"screen at 100 %", [](TTestDiagram&) {}, {10, 20}, {10, 20}},
      {"screen at 144 ppi", [](TTestDiagram& d) { d.PPI = 144; }, {10, 10}, {15, 15}},
      {"screen ignoring the density",
       [](TTestDiagram& d) {
         d.PPI = 144;
         d.SetIgnoreScreenDPI(true);
       },
       {10, 10},
       {10, 10}},
      {"screen zoomed, scrolled, with rulers",
       [](TTestDiagram& d) {
         d.SetZoom(200);
         ScrollTo(d, 30, 10);
         ShowRulers(d, 20, 15);
       },
       {10, 20},
       {10, 45}},
      {"preview",
       [](TTestDiagram& d) {
         d.SetPaintPass(psPreview, {5, 7}, 2, 3);
         d.SetAdjustRatio(0.5, 2);
         d.SetPreviewZoom(1.5);
       },
       {10, 20},
       {18.75, 201}},
      {"print",
       [](TTestDiagram& d) {
         d.SetPaintPass(psPrint, {5, 7}, 2, 3);
         d.SetAdjustRatio(0.5, 2);
       },
       {10, 20},
       {12.5, 134}},
      {"bitmap",
       [](TTestDiagram& d) {
         d.SetZoom(200);
         d.SetPaintPass(psBitmap, {5, 5});
       },
       {10, 20},
       {30, 50}},
  };
  for (const auto& k : cases) {
    TDiagramFixture f;
    k.setup(*f.Diagram);
    ExpectNear(f.Diagram->ClientToCanvas(k.in), k.out, 1e-9, k.name);
    ExpectNear(f.Diagram->CanvasToClient(k.out), k.in, 1e-9, k.name);
    const TSquare s = f.Diagram->ClientToCanvas(TSquare{k.in.X, k.in.Y, k.in.X, k.in.Y});
    ExpectNear(s.TopLeft(), k.out, 1e-9, k.name);
    ExpectNear(f.Diagram->CanvasToClient(s).BottomRight(), k.in, 1e-9, k.name);
  }
}

TEST(Conversions, IntegerOverloadsRoundHalfToEven) {
  TDiagramFixture f;
  f.Diagram->SetZoom(50);
  EXPECT_EQ(f.Diagram->ClientToCanvas(TPoint{5, 3}), (TPoint{2, 2}));
  EXPECT_EQ(f.Diagram->ClientToCanvas(TPoint{7, -5}), (TPoint{4, -2}));
  EXPECT_EQ(f.Diagram->ClientToCanvas(TRect{1, 3, 5, 7}), (TRect{0, 2, 2, 4}));
  f.Diagram->SetZoom(400);
  EXPECT_EQ(f.Diagram->CanvasToClient(TPoint{10, 6}), (TPoint{2, 2})) << "2.5 and 1.5 both round to 2";
}

TEST(Conversions, TheZoomRatioOfPreviewAndPrintPassesIsThePreviewZoom) {
  TDiagramFixture f;
  f.Diagram->SetZoom(300);
  f.Diagram->SetPreviewZoom(0.5);
  EXPECT_EQ(f.Diagram->GetZoomRatio(), 3.0);
  f.Diagram->SetPaintPass(psPrint, {0, 0});
  EXPECT_EQ(f.Diagram->GetZoomRatio(), 0.5);
  f.Diagram->SetPaintPass(psBitmap, {0, 0});
  EXPECT_EQ(f.Diagram->GetZoomRatio(), 3.0);
}

TEST(Conversions, AScaleLeftAtZeroByAPassDoesNotDivideByZero) {
  TDiagramFixture f;
  f.Diagram->SetPaintPass(psPreview, {0, 0}, 0, 1);
  f.Diagram->SetAdjustRatio(0, 1);
  const TDot p = f.Diagram->CanvasToClient(TDot{10, 10});
  EXPECT_TRUE(std::isfinite(p.X));
  EXPECT_TRUE(std::isfinite(p.Y));
}

TEST(Units, LengthsConvertThroughTheScreenDensityAndTheMeasurementUnit) {
  TDiagramFixture f;
  TTestDiagram& d = *f.Diagram;
  EXPECT_DOUBLE_EQ(d.ClientToInches(96), 1);
  EXPECT_DOUBLE_EQ(d.ClientToMilimeters(96), 25.4);
  EXPECT_DOUBLE_EQ(d.InchesToClient(2), 192);
  EXPECT_DOUBLE_EQ(d.MilimetersToClient(25.4), 96);
  d.PPI = 192;
  EXPECT_DOUBLE_EQ(d.ClientToInches(96), 0.5);
  EXPECT_DOUBLE_EQ(d.GetScreenDPIRatio(), 2);
  struct Case {
    TDiagramMeasUnit unit;
    double toMM, fromMM;
    const char* symbol;
  };
  const Case cases[] = {{duMili, 2, 20, "mm"}, {duCenti, 20, 2, "cm"}, {duInch, 50.8, 20 / 25.4, "in"}};
  for (const auto& k : cases) {
    d.SetMeasUnit(k.unit);
    EXPECT_DOUBLE_EQ(d.MeasUnitToMM(2), k.toMM) << k.symbol;
    EXPECT_DOUBLE_EQ(d.MMToMeasUnit(20), k.fromMM) << k.symbol;
    EXPECT_EQ(d.GetUnitSymbol(), k.symbol);
  }
}

TEST(Snapping, DeltasSnapToTheGridHalfToEvenPerAxis) {
  TDiagramFixture f;
  TSnapGrid& grid = *f.Diagram->GetSnapGrid();
  EXPECT_EQ(f.Diagram->SnapDeltaPoint({13, 27}), (TDot{13, 27})) << "inactive grid";
  grid.SetActive(true);
  grid.SetSizeX(10);
  grid.SetSizeY(10);
  struct Case {
    TDot in, out;
  };
  const Case cases[] = {{{15, 25}, {20, 20}}, {{14.9, -15}, {10, -20}}, {{-4, 5}, {0, 0}}, {{13, 27}, {10, 30}}};
  for (const auto& k : cases) EXPECT_EQ(f.Diagram->SnapDeltaPoint(k.in), k.out);
  grid.SetSizeY(0);
  EXPECT_EQ(f.Diagram->SnapDeltaPoint({13, 27}), (TDot{10, 27})) << "an axis without a grid size stays";
  grid.SetSizeY(10);
  f.Diagram->SetZoom(200);
  EXPECT_EQ(f.Diagram->SnapCanvasPoint({25, 33}), (TDot{20, 40}));
}

TEST(Zoom, ThePercentageIsClampedAndWritingTheSameValueDoesNothing) {
  TDiagramFixture f;
  TTestDiagram& d = *f.Diagram;
  d.SetZoom(0);
  EXPECT_EQ(d.GetZoomRatio(), 0.01);
  EXPECT_EQ(d.GetZoom(), 1);
  d.SetZoom(5000);
  EXPECT_EQ(d.GetZoomRatio(), 10);
  EXPECT_EQ(d.GetZoom(), 1000);
  EXPECT_EQ(d.GetTopRuler()->GetZoom(), 1000);
  EXPECT_EQ(d.GetLeftRuler()->GetZoom(), 1000);
  d.Invalidations = 0;
  d.SetZoom(1000);
  EXPECT_EQ(d.Invalidations, 0);
  d.SetZoom(-5);
  EXPECT_EQ(d.GetZoom(), 1);
}

TEST(Zoom, EveryPercentageReadsBackAsWritten) {
  TDiagramFixture f;
  for (int z = 1; z <= 1000; ++z) {
    f.Diagram->SetZoom(z);
    ASSERT_EQ(f.Diagram->GetZoom(), z) << "ratio " << f.Diagram->GetZoomRatio();
    ASSERT_EQ(f.Diagram->GetTopRuler()->GetZoom(), z);
    ASSERT_EQ(f.Diagram->GetLeftRuler()->GetZoom(), z);
  }
}

TEST(Zoom, ARectangleZoomReadsAsTheIntegerPartAndWritingThatBackKeepsTheRatio) {
  TDiagramFixture f;
  f.Diagram->ZoomIn(TSquare{0, 0, 300, 300});
  EXPECT_NEAR(f.Diagram->GetZoomRatio(), 0.6667, 1e-4);
  EXPECT_EQ(f.Diagram->GetZoom(), 66);
  const double ratio = f.Diagram->GetZoomRatio();
  f.Diagram->SetZoom(f.Diagram->GetZoom());
  EXPECT_EQ(f.Diagram->GetZoomRatio(), ratio);
}

TEST(Zoom, ClicksStepThroughTheZoomStepsWithinTheLimits) {
  struct Case {
    int start;
    bool in;
    double expected;
  };
  const Case cases[] = {{1000, true, 10},  {5, false, 0.05},  {90, true, 1.0},  {100, false, 0.75},
                        {100, true, 1.25}, {1, true, 0.05},   {6, false, 0.05}, {800, true, 10},
                        {34, false, 0.3333}, {67, false, 0.6667}};
  for (const auto& k : cases) {
    TDiagramFixture f;
    f.Diagram->SetZoom(k.start);
    const TSquare click{50, 50, 55, 45};
    if (k.in)
      f.Diagram->ZoomIn(click);
    else
      f.Diagram->ZoomOut(click);
    EXPECT_DOUBLE_EQ(f.Diagram->GetZoomRatio(), k.expected) << k.start << (k.in ? " in" : " out");
    // Without scroll ranges there is no position to keep (and nothing to divide by).
    EXPECT_EQ(Scroll(*f.Diagram), (TPoint{0, 0}));
  }
}

TEST(Zoom, ZoomingOutByRectangleShrinksTheViewIntoIt) {
  TDiagramFixture f;
  f.Diagram->ZoomOut(TSquare{0, 0, 100, 50});
  EXPECT_DOUBLE_EQ(f.Diagram->GetZoomRatio(), 0.5);
}

TEST(Zoom, AWindowWithoutRoomLeavesTheZoomAlone) {
  TDiagramFixture f;
  f.AddBlock(100, 100, 400, 200);
  f.Diagram->SetBounds(0, 0, 0, 0);
  f.Diagram->ZoomIn(TSquare{0, 0, 300, 300});
  EXPECT_EQ(f.Diagram->GetZoom(), 100);
  f.Diagram->ZoomOut(TSquare{0, 0, 300, 300});
  EXPECT_EQ(f.Diagram->GetZoom(), 100);
  f.Diagram->ZoomMoveToFit(10);
  EXPECT_EQ(f.Diagram->GetZoom(), 100);
}

TEST(Zoom, ZoomingInByClickKeepsTheClickedPointInPlace) {
  TDiagramFixture f;
  f.ShowInWindow();
  f.AddBlock(0, 0, 2000, 1500);
  f.Diagram->GetHorzScrollBar()->SetPosition(500);
  f.Diagram->GetVertScrollBar()->SetPosition(400);
  const TDot p{600, 500};
  const TDot before = f.Diagram->ClientToCanvas(p);
  EXPECT_EQ(before, (TDot{100, 100}));
  f.Diagram->ZoomIn(TSquare{p.X, p.Y, p.X, p.Y});
  EXPECT_EQ(f.Diagram->GetZoom(), 125);
  ExpectNear(f.Diagram->ClientToCanvas(p), before, 2, "after zooming in");
  f.Diagram->ZoomOut(TSquare{p.X, p.Y, p.X, p.Y});
  EXPECT_EQ(f.Diagram->GetZoom(), 100);
  ExpectNear(f.Diagram->ClientToCanvas(p), before, 2, "after zooming out");
}

TEST(Zoom, ZoomingInByRectangleCentresIt) {
  TDiagramFixture f;
  f.ShowInWindow();
  f.AddBlock(0, 0, 2000, 1500);
  f.Diagram->ZoomIn(TSquare{100, 100, 400, 300});
  EXPECT_EQ(f.Diagram->GetZoom(), 66);
  EXPECT_EQ(Scroll(*f.Diagram), (TPoint{66, 33}));
}

TEST(Zoom, FittingScalesAndMovesTheContentIntoTheWindow) {
  TDiagramFixture f;
  f.ShowInWindow();
  auto* b = f.AddBlock(100, 100, 400, 200);
  auto* member = f.AddBlock(120, 120, 130, 130);
  f.AddGroup({member})->SetVisible(false);
  f.Diagram->ZoomMoveToFit(10);
  EXPECT_EQ(f.Diagram->GetZoom(), 60);
  EXPECT_EQ(b->Bounds, (TSquare{17, 17, 317, 117}));
  EXPECT_EQ(member->Bounds.Left, 120) << "members move with their group";
}

TEST(Zoom, TheWheelScrollsOrZoomsWhenAskedTo) {
  TDiagramFixture f;
  TTestDiagram& d = *f.Diagram;
  d.GetVertScrollBar()->SetRange(1000);
  d.GetHorzScrollBar()->SetRange(1000);
  EXPECT_FALSE(d.DispatchMouseWheel({}, -120, {}));
  d.SetMouseWheelMode(mwVertical);
  EXPECT_TRUE(d.DispatchMouseWheel({}, -120, {}));
  EXPECT_EQ(Scroll(d), (TPoint{0, 8}));
  d.DispatchMouseWheel({}, 120, {});
  EXPECT_EQ(Scroll(d), (TPoint{0, 0}));
  d.SetMouseWheelMode(mwHorizontal);
  d.GetHorzScrollBar()->SetIncrement(30);
  d.DispatchMouseWheel({}, -120, {});
  EXPECT_EQ(Scroll(d), (TPoint{30, 0})) << "by the bar's own increment";

  EXPECT_FALSE(d.DispatchMouseWheel(TShiftState{ssCtrl}, -120, {})) << "zooming by wheel is off";
  d.SetWheelZoom(true);
  d.DispatchMouseWheel(TShiftState{ssCtrl}, -120, {});
  EXPECT_EQ(d.GetZoom(), 90);
  d.SetZoom(15);
  d.DispatchMouseWheel(TShiftState{ssCtrl}, -120, {});
  EXPECT_EQ(d.GetZoom(), 10);
  d.SetZoom(495);
  d.DispatchMouseWheel(TShiftState{ssCtrl}, 120, {});
  EXPECT_EQ(d.GetZoom(), 500);

  d.OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
  d.DispatchMouseWheel(TShiftState{ssCtrl}, 120, {});
  EXPECT_EQ(d.GetZoom(), 500) << "the application's handler wins";
}

TEST(Extent, ScrollRangesCoverTheContentAndTheRulers) {
  TDiagramFixture f;
  f.AddBlock(0, 0, 500, 400);
  f.Diagram->UpdateScrollRanges();
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{501, 401})) << "a diagram without a window works its ranges out too";
  f.ShowInWindow();
  // Sizes above what the labels need, so the rulers keep them.
  ShowRulers(*f.Diagram, 40, 30);
  f.Diagram->UpdateScrollRanges();
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{541, 431}));
  f.Diagram->SetZoom(200);
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{1041, 831}));
  f.Diagram->SetAutoScroll(false);
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{0, 0}));
  f.Diagram->SetZoom(100);
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{0, 0})) << "ranges stay without AutoScroll";
}

TEST(Extent, AutoPageSizesTheRangesByPages) {
  TDiagramFixture f;
  f.ShowInWindow();
  f.AddBlock(0, 0, 500, 400);
  f.Diagram->SetAutoPage(true);
  // Letter with inch margins, no printer: 6.5 x 9 inches at 96 pixels per inch, and the
  // content fits on one page; plus 5 % of a page.
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{655, 907}));
  f.Diagram->SetFixedPageWidth(300);
  f.Diagram->SetFixedPageHeight(400);
  f.Diagram->SetFixedPageCols(2);
  f.Diagram->SetFixedPageRows(3);
  f.Diagram->UpdateScrollRanges();
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{615, 1220}));
  ShowRulers(*f.Diagram, 40, 30);
  f.Diagram->UpdateScrollRanges();
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{655, 1250})) << "plus the rulers";
}

TEST(Extent, ContentLeftOfTheOriginIsShiftedToItWithoutMovingTheView) {
  TDiagramFixture f;
  f.ShowInWindow();
  f.Diagram->SetZoom(200);
  auto* b = f.AddBlock(-50, -20, 450, 380);
  EXPECT_EQ(b->Bounds, (TSquare{0, 0, 500, 400})) << "lands exactly at the origin at any zoom";
  EXPECT_EQ(Scroll(*f.Diagram), (TPoint{100, 40}));
  EXPECT_EQ(Ranges(*f.Diagram), (TPoint{1001, 801}));
}

TEST(Extent, ControlsAddedOneByOneLeaveTheRangesThatMeasuringAgainWouldGive) {
  // Adding a control measures the drawing again only when the control lands outside what
  // the ranges already reach; measuring after each add must change nothing either way.
  const TSquare adds[] = {{10, 10, 100, 60},   {20, 20, 50, 40},     {900, 10, 1000, 60}, {10, 700, 60, 760},
                          {400, 300, 420, 320}, {-30, 5, 10, 45},     {950, 740, 990, 770}, {1200, 1300, 1210, 1310},
                          {0, 0, 1, 1},         {500, -80, 520, -60}, {300, 300, 301, 301}};
  for (const bool windowed : {false, true}) {
    for (const int zoom : {100, 150, 0}) {
      TDiagramFixture f;
      if (windowed) f.ShowInWindow();
      // Zoom 0 stands for ranges by whole pages at 100 %.
      if (zoom == 0) f.Diagram->SetAutoPage(true);
      else f.Diagram->SetZoom(zoom);
      for (const TSquare& r : adds) {
        f.AddBlock(r.Left, r.Top, r.Right, r.Bottom);
        const TPoint ranges = Ranges(*f.Diagram), scroll = Scroll(*f.Diagram);
        const TSquare extent = f.Diagram->ContentBounds();
        f.Diagram->UpdateScrollRanges();
        EXPECT_EQ(Ranges(*f.Diagram), ranges) << windowed << " " << zoom << " after " << r.Left << "," << r.Top;
        EXPECT_EQ(Scroll(*f.Diagram), scroll) << windowed << " " << zoom << " after " << r.Left << "," << r.Top;
        EXPECT_EQ(f.Diagram->ContentBounds(), extent) << "nothing shifted on measuring again";
      }
    }
  }
}

TEST(Extent, KeepInBoundsPushesTheSelectionBackUnlessControlsMayLeave) {
  TDiagramFixture f;
  f.ShowInWindow();
  auto* b = f.AddBlock(10, 10, 50, 50);
  b->SetSelected(true);
  f.Diagram->BeginUpdate();
  b->MoveBy(-30, 0);
  f.Diagram->KeepInBounds();
  EXPECT_EQ(b->Bounds.Left, -20) << "CanMoveOutOfBounds is on";
  f.Diagram->SetCanMoveOutOfBounds(false);
  f.Diagram->KeepInBounds();
  EXPECT_EQ(b->Bounds.Left, -20) << "not inside an update bracket";
  f.Diagram->EndUpdate();
  // EndUpdate's extent update already shifted everything back into view.
  EXPECT_EQ(b->Bounds.Left, 0);
  f.Diagram->SetZoom(200);
  b->MoveBy(-15, 0);
  f.Diagram->KeepInBounds();
  EXPECT_EQ(b->Bounds.Left, 0);
}

TEST(Extent, MakeControlVisibleCentresTheControl) {
  TDiagramFixture f;
  f.ShowInWindow();
  f.AddBlock(0, 0, 3000, 3000);
  auto* target = f.AddBlock(1000, 1000, 1100, 1100);
  f.Diagram->MakeControlVisible(target);
  EXPECT_EQ(Scroll(*f.Diagram), (TPoint{950, 950}));
  f.Diagram->MakeControlVisible(nullptr);
  EXPECT_EQ(Scroll(*f.Diagram), (TPoint{950, 950}));
}

TEST(Scrolling, APositionBeyondRangeMinusTheVisibleExtentStopsAtTheLimit) {
  struct Case {
    const char* what;
    int barThickness;
    int horzRange, vertRange;
    TPoint limit;
  };
  // The client area is 200 x 200; no window is needed for the bars to keep their limits.
  const Case cases[] = {
      {"no bars take room", 0, 1000, 1000, {800, 800}},
      {"both bars shown take room from each other", 17, 1000, 1000, {817, 817}},
      {"the horizontal bar makes the vertical one needed", 17, 1000, 190, {817, 7}},
      {"nothing to scroll", 17, 150, 0, {0, 0}},
  };
  for (const auto& k : cases) {
    TDiagramFixture f;
    f.Diagram->BarThickness = k.barThickness;
    f.Diagram->GetHorzScrollBar()->SetRange(k.horzRange);
    f.Diagram->GetVertScrollBar()->SetRange(k.vertRange);
    f.Diagram->GetHorzScrollBar()->SetPosition(5000);
    f.Diagram->GetVertScrollBar()->SetPosition(5000);
    EXPECT_EQ(Scroll(*f.Diagram), k.limit) << k.what;
    f.Diagram->GetHorzScrollBar()->SetPosition(-5);
    EXPECT_EQ(f.Diagram->GetHorzScrollBar()->GetPosition(), 0) << k.what;
  }
}

TEST(Scrolling, AGrowingWindowPullsThePositionBackAndTheViewFollowsIt) {
  TDiagramFixture f;
  f.AddBlock(0, 0, 999, 10);
  ASSERT_EQ(f.Diagram->GetHorzScrollBar()->GetRange(), 1000);
  f.Diagram->GetHorzScrollBar()->SetPosition(700);
  EXPECT_EQ(f.Diagram->ClientToCanvas(TDot{700, 0}).X, 0);
  f.Diagram->SetBounds(0, 0, 600, 200);
  EXPECT_EQ(f.Diagram->GetHorzScrollBar()->GetPosition(), 400);
  EXPECT_EQ(f.Diagram->ClientToCanvas(TDot{700, 0}).X, 300);
}

TEST(Scrolling, ARecomputedRangeKeepsThePositionInside) {
  TDiagramFixture f;
  f.ShowInWindow();
  auto* b = f.AddBlock(0, 0, 1000, 100);
  f.Diagram->GetHorzScrollBar()->SetPosition(700);
  ASSERT_EQ(f.Diagram->GetHorzScrollBar()->GetPosition(), 700);
  b->SetBounds(0, 0, 500, 100);
  f.Diagram->UpdateScrollRanges();
  EXPECT_EQ(f.Diagram->GetHorzScrollBar()->GetRange(), 501);
  EXPECT_EQ(f.Diagram->GetHorzScrollBar()->GetPosition(), 301);
}

TEST(Rulers, FollowTheZoomAndTheGridFollowsThemWithSnapToRuler) {
  TDiagramFixture f;
  TTestDiagram& d = *f.Diagram;
  TSnapGrid& grid = *d.GetSnapGrid();
  const double centimetreTick = 96.0 / 5 / 2.54;
  grid.SetSnapToRuler(true);
  EXPECT_DOUBLE_EQ(grid.GetSizeX(), centimetreTick);
  EXPECT_DOUBLE_EQ(grid.GetSizeY(), centimetreTick);
  // At 150 % the labels halve their step, so the ticks lie 0.75 times as far apart.
  d.SetZoom(150);
  EXPECT_EQ(d.GetTopRuler()->GetZoom(), 150);
  EXPECT_NEAR(grid.GetSizeX(), centimetreTick * 0.75, 1e-12);
  EXPECT_NEAR(grid.GetSizeY(), centimetreTick * 0.75, 1e-12);
  d.GetLeftRuler()->SetUnits(unInch);
  EXPECT_NEAR(grid.GetSizeY(), 96.0 / 8 * 0.75, 1e-12);
  grid.SetSnapToRuler(false);
  d.SetZoom(100);
  EXPECT_NEAR(grid.GetSizeX(), centimetreTick * 0.75, 1e-12) << "without SnapToRuler the sizes stay";
}

TEST(Rulers, TheirFontsFollowAChangeOfScreenDensity) {
  TDiagramFixture f;
  TTestDiagram& d = *f.Diagram;
  d.ScaleForPPI(96);
  const int top = d.GetTopRuler()->GetFont()->GetHeight();
  const int left = d.GetLeftRuler()->GetFont()->GetHeight();
  d.ScaleForPPI(192);
  EXPECT_EQ(d.GetTopRuler()->GetFont()->GetHeight(), 2 * top);
  EXPECT_EQ(d.GetLeftRuler()->GetFont()->GetHeight(), 2 * left);
  d.ScaleForPPI(192);
  EXPECT_EQ(d.GetTopRuler()->GetFont()->GetHeight(), 2 * top) << "the same density again changes nothing";
}

TEST(Pages, CountsFollowThePrintableSizeOfThePaper) {
  struct Case {
    const char* what;
    TSquare block;  // none when empty
    int cols, rows;
  };
  // Letter with inch margins and no printer: 624 x 864 diagram pixels of printable area.
  const Case cases[] = {
      {"an empty diagram has one page", {}, 1, 1},
      {"just inside one page", {0, 0, 623, 863}, 1, 1},
      {"exactly one printable width gets an empty second column", {0, 0, 624, 100}, 2, 1},
      {"two and a bit pages down", {0, 0, 100, 1800}, 1, 3},
  };
  for (const auto& k : cases) {
    TDiagramFixture f;
    if (k.block.Right > 0) f.AddBlock(k.block.Left, k.block.Top, k.block.Right, k.block.Bottom);
    // The counts ignore the zoom and the fixed page properties.
    f.Diagram->SetZoom(300);
    f.Diagram->SetFixedPageWidth(50);
    f.Diagram->SetFixedPageCols(7);
    EXPECT_EQ(f.Diagram->GetPageColCount(), k.cols) << k.what;
    EXPECT_EQ(f.Diagram->GetPageRowCount(), k.rows) << k.what;
    EXPECT_EQ(f.Diagram->GetPageCount(), k.cols * k.rows) << k.what;
  }
}

TEST(Pages, TheGridWithoutContentIsTheZoomedPageOrTheFixedOne) {
  TDiagramFixture f;
  TTestDiagram& d = *f.Diagram;
  d.SetZoom(200);
  TPageGrid g = d.CalcPageGrid(false);
  EXPECT_DOUBLE_EQ(g.PageWidth, 1248);
  EXPECT_DOUBLE_EQ(g.PageHeight, 1728);
  d.GetPageSettings()->SetOrientation(dpoLandscape);
  g = d.CalcPageGrid(false);
  EXPECT_DOUBLE_EQ(g.PageWidth, 1728);
  EXPECT_DOUBLE_EQ(g.PageHeight, 1248);
  d.SetFixedPageWidth(500);
  EXPECT_DOUBLE_EQ(d.CalcPageGrid(false).PageWidth, 1000);
}
