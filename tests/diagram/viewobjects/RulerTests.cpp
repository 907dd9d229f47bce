// Rulers without a diagram: tick spacing and labels, the grid density and tick runs the
// painter walks, the unit rules, Assign, and what the published table writes.
#include <gtest/gtest.h>

#include "diagram/view/DiagramRuler.h"
#include "platform/core/Exception.h"
#include "platform/gui/Font.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

TEST(RulerTickSpacing, FollowsUnitsZoomAndAutoFactor) {
  struct Case {
    const char* what;
    TRulerUnits units;
    int divisions, zoom;
    bool autoFactor;
    double step, labelStep;
  };
  const Case cases[] = {
      {"cm at 100 %", unCenti, 5, 100, true, 96.0 / 5 / 2.54, 1},
      {"cm at 200 % keeps the spacing, labels halve", unCenti, 5, 200, true, 96.0 / 5 * 2 / 2.54 * 0.5, 0.5},
      {"cm at 200 % without AutoFactor spreads", unCenti, 5, 200, false, 96.0 / 5 * 2 / 2.54, 1},
      {"mm labels are ten times cm", unMili, 5, 100, true, 96.0 / 5 / 2.54, 10},
      {"inch", unInch, 8, 100, true, 12, 1},
      {"pixels label every 50", unPixel, 10, 100, true, 5, 50},
      {"pixels at 50 % double the label step", unPixel, 10, 50, true, 5, 100},
      {"1 % uses factor 100", unCenti, 5, 1, true, 96.0 / 5 * 0.01 / 2.54 * 100, 100},
      {"zoom beyond the table uses factor 1", unCenti, 5, 1500, true, 96.0 / 5 * 15 / 2.54, 1},
  };
  for (const Case& c : cases) {
    TTickSpacing t = CalcTickSpacing(c.units, 96, c.divisions, c.zoom, c.autoFactor);
    EXPECT_DOUBLE_EQ(t.Step, c.step) << c.what;
    EXPECT_DOUBLE_EQ(t.LabelStep, c.labelStep) << c.what;
  }
  EXPECT_NEAR(CalcTickSpacing(unCenti, 96, 5, 100, true).Step, 7.5590551, 1e-6);
}

TEST(RulerTickSpacing, AutoFactorTableBounds) {
  const std::pair<int, double> rows[] = {
      {0, 1},     {1, 100},    {2, 50},     {3, 25},    {5, 25},    {6, 20},    {8, 20},     {9, 10},   {12, 10},
      {13, 5},    {25, 5},     {26, 4},     {35, 4},    {36, 2},    {50, 2},    {51, 1},     {125, 1},  {126, 0.5},
      {300, 0.5}, {301, 0.25}, {400, 0.25}, {401, 0.2}, {500, 0.2}, {501, 0.1}, {1000, 0.1}, {1001, 1}, {-5, 1}};
  for (auto [zoom, factor] : rows) EXPECT_DOUBLE_EQ(RulerAutoFactor(zoom), factor) << zoom;
}

TEST(RulerTickSpacing, ZeroDivisionsOrScreenResolutionNeverDivideByZero) {
  EXPECT_TRUE(std::isfinite(CalcTickSpacing(unInch, 96, 0, 100, true).Step));
  EXPECT_EQ(CalcTickSpacing(unInch, 0, 8, 100, true).Step, 0.0);
  auto* r = Create<TDiagramRuler>();
  r->SetDivisions(0);
  EXPECT_EQ(r->GetDivisions(), 1);
  r->SetDivisions(-3);
  EXPECT_EQ(r->GetDivisions(), 1);
  r->Free();
}

TEST(RulerLabels, MajorTicksReadInTheUnitsScale) {
  // cm at 100 %: 0, 1, 2; at 200 % with AutoFactor: 0, 0.5, 1; mm: 0, 10, 20; pixels: 50s.
  EXPECT_EQ(RulerLabel(0, 5, 1), "0");
  EXPECT_EQ(RulerLabel(5, 5, 1), "1");
  EXPECT_EQ(RulerLabel(10, 5, 1), "2");
  EXPECT_EQ(RulerLabel(5, 5, 0.5), "0.5");
  EXPECT_EQ(RulerLabel(10, 5, 0.5), "1");
  EXPECT_EQ(RulerLabel(10, 5, 10), "20");
  EXPECT_EQ(RulerLabel(20, 10, 50), "100");
  EXPECT_EQ(RulerLabel(24, 8, 0.25), "0.75");
  EXPECT_EQ(RulerLabel(-5, 5, 1), "-1");
  EXPECT_EQ(RulerLabel(3, 5, 0.1), "0.06");
}

TEST(RulerGrid, DensityDoublesUntilTenPixelsOrADivisorFails) {
  // 7.56 px ticks with 5 divisions: 2 does not divide 5, so the grid is coarse.
  TRulerGridDensity g = CalcGridDensity(96.0 / 5 / 2.54, 5, 1.0);
  EXPECT_TRUE(g.Coarse);
  EXPECT_EQ(g.Every, 2);
  // 3 px ticks with 8 divisions: 4 x 3 = 12 >= 10.
  g = CalcGridDensity(3, 8, 1.0);
  EXPECT_FALSE(g.Coarse);
  EXPECT_EQ(g.Every, 4);
  // Wide ticks need no thinning.
  g = CalcGridDensity(12, 8, 1.0);
  EXPECT_EQ(g.Every, 1);
  EXPECT_FALSE(g.Coarse);
  // A step of 0 still ends once the doubling outgrows the divisions.
  g = CalcGridDensity(0, 1 << 30, 1.0);
  EXPECT_TRUE(g.Coarse);
}

TEST(RulerTicks, RunStartsAtTheFirstTickOfTheStrip) {
  // Scrolled by 20 px with 10 px ticks: tick 2 sits at the strip's left edge.
  TTickRun run = CalcTickRun(0, 100, 10, 0, 20, 0, false);
  EXPECT_EQ(run.FirstIndex, 2);
  EXPECT_DOUBLE_EQ(run.FirstPos, 0);
  EXPECT_EQ(run.Count, 10);
  // Offset moves tick 0 right of the edge: the run starts with a negative index.
  run = CalcTickRun(0, 100, 10, -25, 0, 0, false);
  EXPECT_EQ(run.FirstIndex, -2);
  EXPECT_DOUBLE_EQ(run.FirstPos, 5);
  EXPECT_EQ(run.Count, 10);
}

TEST(RulerTicks, InverseRulerCountsBackFromTheEndOfTheRange) {
  // Range 1000, scrolled to 900: tick 0 is at 100, i.e. inside a 0..200 strip; the run
  // starts at the right edge with index -10 and walks leftwards.
  TTickRun run = CalcTickRun(0, 200, 10, 0, 900, 1000, true);
  EXPECT_EQ(run.FirstIndex, -10);
  EXPECT_DOUBLE_EQ(run.FirstPos, 200);
  EXPECT_DOUBLE_EQ(run.Step, -10);
  EXPECT_EQ(run.Count, 20);
  EXPECT_DOUBLE_EQ(run.FirstPos + 10 * run.Step, 100) << "index 0 lies at the range's end";
}

TEST(RulerTicks, SpacingNearZeroDrawsNothingInsteadOfLooping) {
  EXPECT_EQ(CalcTickRun(0, 1000, 0, 0, 0, 0, false).Count, 0);
  EXPECT_EQ(CalcTickRun(0, 1000, 1e-9, 0, 0, 0, false).Count, 0);
  EXPECT_EQ(CalcTickRun(0, 1000, std::nan(""), 0, 0, 0, true).Count, 0);
  auto* r = Create<TDiagramRuler>();
  r->SetZoom(0);
  EXPECT_EQ(CalcTickRun(0, 1000, r->TickSpacing().Step, 0, 0, 0, false).Count, 0);
  r->Free();
}

TEST(RulerUnits, NewUnitsResetDivisions) {
  auto* r = Create<TDiagramRuler>();
  EXPECT_EQ(r->GetDivisions(), 5);
  r->SetDivisions(7);
  r->SetUnits(unInch);
  EXPECT_EQ(r->GetDivisions(), 8);
  r->SetUnits(unPixel);
  EXPECT_EQ(r->GetDivisions(), 10);
  r->SetDivisions(3);
  r->SetUnits(unPixel);
  EXPECT_EQ(r->GetDivisions(), 3) << "the same units change nothing";
  r->SetUnits(unMili);
  EXPECT_EQ(r->GetDivisions(), 5);
  r->Free();
}

TEST(RulerFont, StartsAsArialSevenPointAndKeepsTwoTurnedCopies) {
  auto* r = Create<TDiagramRuler>();
  EXPECT_EQ(r->GetFont()->GetName(), "Arial");
  EXPECT_EQ(r->GetFont()->GetSize(), 7);
  r->GetFont()->SetName("Courier");
  EXPECT_EQ(r->UprightFont().GetName(), "Courier");
  EXPECT_EQ(r->UprightFont().GetOrientation(), 0);
  EXPECT_EQ(r->TurnedFont().GetName(), "Courier");
  EXPECT_EQ(r->TurnedFont().GetOrientation(), 900);
  r->Free();
}

TEST(RulerTable, PublishesInOrderAndWritesAllButOffsetAndInverseAtZero) {
  EXPECT_EQ(PropertyNames(TDiagramRuler::StaticClassInfo()),
            (QStringList{"Visible", "Units", "Divisions", "Font", "MinorTickLength", "MajorTickLength", "Color",
                         "TickColor", "Size", "Offset", "Inverse", "AutoFactor", "GridColor"}));
  auto* r = Create<TDiagramRuler>();
  QStringList written = StoredValues(*r);
  for (const char* expected :
       {"Visible=0", "Units=1", "Divisions=5", "MinorTickLength=4", "MajorTickLength=6", "Color=16777215",
        "TickColor=0", "Size=0", "AutoFactor=1", "GridColor=12632256", "Font.Name=Arial"})
    EXPECT_TRUE(written.contains(expected)) << expected;
  EXPECT_FALSE(StoredNames(*r).contains("Offset"));
  EXPECT_FALSE(StoredNames(*r).contains("Inverse"));
  r->SetOffset(2.5);
  r->SetInverse(true);
  EXPECT_TRUE(StoredValues(*r).contains("Offset=2.5"));
  EXPECT_TRUE(StoredValues(*r).contains("Inverse=1"));
  EXPECT_EQ(r->GetPosition(), rpTop);
  EXPECT_EQ(r->GetZoom(), 100);
  r->Free();
}

TEST(RulerAssign, CopiesTheListedSettingsOnly) {
  auto* a = Create<TDiagramRuler>();
  auto* b = Create<TDiagramRuler>();
  a->SetVisible(true);
  a->SetUnits(unInch);
  a->SetDivisions(4);
  a->SetMinorTickLength(3);
  a->SetMajorTickLength(9);
  a->SetColor(clAqua);
  a->SetSize(30);
  a->GetFont()->SetName("Courier");
  a->SetTickColor(clRed);
  a->SetOffset(5);
  a->SetInverse(true);
  a->SetAutoFactor(false);
  a->SetGridColor(clGreen);
  b->Assign(a);
  EXPECT_TRUE(b->GetVisible());
  EXPECT_EQ(b->GetStoredUnits(), unInch);
  EXPECT_EQ(b->GetDivisions(), 4) << "Units is copied without resetting Divisions";
  EXPECT_EQ(b->GetMinorTickLength(), 3);
  EXPECT_EQ(b->GetMajorTickLength(), 9);
  EXPECT_EQ(b->GetColor(), clAqua);
  EXPECT_EQ(b->GetSize(), 30);
  EXPECT_EQ(b->GetFont()->GetName(), "Courier");
  EXPECT_EQ(b->GetTickColor(), clBlack);
  EXPECT_EQ(b->GetOffset(), 0);
  EXPECT_FALSE(b->GetInverse());
  EXPECT_TRUE(b->GetAutoFactor());
  EXPECT_EQ(b->GetGridColor(), clSilver);
  EXPECT_THROW(b->Assign(nullptr), EConvertError);
  a->Free();
  b->Free();
}
