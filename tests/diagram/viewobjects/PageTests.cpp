// Page settings, pagination and page lines: defaults, the printable rectangle and paper
// size in printer pixels, page counts and origins, and their guards.
#include <gtest/gtest.h>

#include "diagram/printing/PageLines.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/printing/Pagination.h"
#include "platform/core/Exception.h"
#include "platform/gui/Pen.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct Settings {
  TDiagramPageSettings* s = Create<TDiagramPageSettings>();
  ~Settings() { s->Free(); }
  TDiagramPageSettings* operator->() const { return s; }
};

TPageDevice Printer(int dpiX, int dpiY) {
  TPageDevice d;
  d.DPI = Point(dpiX, dpiY);
  d.DefPaper = {9, "A4", 210, 297};
  d.Papers = BuiltInPapers();
  return d;
}

void ExpectSquare(const TSquare& s, double l, double t, double r, double b) {
  EXPECT_NEAR(s.Left, l, 1e-9);
  EXPECT_NEAR(s.Top, t, 1e-9);
  EXPECT_NEAR(s.Right, r, 1e-9);
  EXPECT_NEAR(s.Bottom, b, 1e-9);
}

}  // namespace

TEST(PaperTable, SixtyEightPapersNumberedAsThePlatformDoes) {
  const auto& papers = BuiltInPapers();
  EXPECT_EQ(papers.size(), 68u);
  for (int missing : {0, 48, 49, 71, CustomPaperId}) EXPECT_EQ(FindPaper(papers, missing), nullptr) << missing;
  const TPaperSize* a4 = FindPaper(papers, 9);
  ASSERT_NE(a4, nullptr);
  EXPECT_EQ(a4->Name, "A4");
  EXPECT_EQ(a4->Width, 210);
  EXPECT_EQ(a4->Height, 297);
  EXPECT_EQ(FindPaper(papers, 35)->Width, 176) << "Envelope B6 is wider than high";
  EXPECT_EQ(FindPaper(papers, 70)->Name, "A6");
}

TEST(PageSettingsDefaults, LetterPortraitWithInchMarginsWithoutAPrinter) {
  Settings s;
  EXPECT_EQ(s->GetPaperName(), "Letter");
  EXPECT_EQ(s->GetPaperId(), 1);
  EXPECT_EQ(s->GetPaperWidth(), 215.9);
  EXPECT_EQ(s->GetPaperHeight(), 279.4);
  EXPECT_EQ(s->GetOrientation(), dpoPortrait);
  for (double m : {s->GetLeftMargin(), s->GetTopMargin(), s->GetRightMargin(), s->GetBottomMargin()})
    EXPECT_EQ(m, 25.4);
  EXPECT_EQ(s->GetLeftMarginStr(), "25.4");
}

TEST(PageSettingsDefaults, ThePrintersDefaultPaperAndOrientationWin) {
  Settings s;
  TPageDevice d = Printer(600, 600);
  d.DefOrientation = dpoLandscape;
  s->ResetToDefaults(&d);
  EXPECT_EQ(s->GetPaperName(), "A4");
  EXPECT_EQ(s->GetPaperId(), 9);
  EXPECT_EQ(s->GetPaperWidth(), 210);
  EXPECT_EQ(s->GetOrientation(), dpoLandscape);
  EXPECT_EQ(s->GetLeftMargin(), 25.4);
  // A paper id of 0 or a zero side says nothing: the Letter defaults stay.
  d.DefPaper.Id = 0;
  s->ResetToDefaults(&d);
  EXPECT_EQ(s->GetPaperName(), "Letter");
}

TEST(PageSettingsDefaults, SmallPapersGetProportionalMargins) {
  Settings s;
  TPageDevice d = Printer(300, 300);
  d.DefPaper = {43, "Japanese Postcard", 100, 148};
  d.MinLeftMargin = 30;
  s->ResetToDefaults(&d);
  EXPECT_EQ(s->GetLeftMargin(), 25.4) << "100 mm is not narrower than 100 mm";
  d.DefPaper = {99, "Card", 80, 60};
  s->ResetToDefaults(&d);
  EXPECT_EQ(s->GetLeftMargin(), 30) << "the printer's minimum is larger";
  EXPECT_EQ(s->GetRightMargin(), 30);
  EXPECT_DOUBLE_EQ(s->GetTopMargin(), 0.254 * 60);
  EXPECT_DOUBLE_EQ(s->GetBottomMargin(), 0.254 * 60);
}

TEST(PageSettingsPaper, ChangePaperIdTakesSizeAndNameFromThePaperList) {
  Settings s;
  s->ChangePaperID(11, nullptr);
  EXPECT_EQ(s->GetPaperId(), 11);
  EXPECT_EQ(s->GetPaperName(), "A5");
  EXPECT_EQ(s->GetPaperWidth(), 148);
  s->ChangePaperID(CustomPaperId, nullptr);
  EXPECT_EQ(s->GetPaperId(), CustomPaperId);
  EXPECT_EQ(s->GetPaperName(), "A5") << "a custom size keeps the last size and name";
  TPageDevice d = Printer(300, 300);
  d.Papers = {{11, "Printer A5", 149, 211}};
  s->ChangePaperID(11, &d);
  EXPECT_EQ(s->GetPaperName(), "Printer A5");
  EXPECT_EQ(s->GetPaperWidth(), 149);
}

TEST(PrintableRect, PortraitAndLandscapeInPrinterPixels) {
  Settings s;
  s->ChangePaperID(9, nullptr);
  TPageDevice d = Printer(600, 600);
  ExpectSquare(s->PrintableRect(&d), 600, 600, (210 - 25.4) / 25.4 * 600, (297 - 25.4) / 25.4 * 600);
  s->SetOrientation(dpoLandscape);
  TSquare r = s->PrintableRect(&d);
  ExpectSquare(r, 600, 600, (297 - 25.4) / 25.4 * 600, (210 - 25.4) / 25.4 * 600);
  EXPECT_NEAR(r.Right, 6415.748, 1e-3);
  EXPECT_NEAR(r.Bottom, 4360.629, 1e-3);
  // Landscape swaps the resolution's axes too.
  TPageDevice uneven = Printer(600, 300);
  r = s->PrintableRect(&uneven);
  EXPECT_DOUBLE_EQ(r.Left, 25.4 / 25.4 * 300);
  EXPECT_DOUBLE_EQ(r.Top, 25.4 / 25.4 * 600);
  // Without a printer: 300 x 300.
  s->SetOrientation(dpoPortrait);
  EXPECT_DOUBLE_EQ(s->PrintableRect(nullptr).Left, 300);
}

TEST(PrintableRect, NeverNarrowerThanTenMillimetres) {
  Settings s;
  s->ChangePaperID(9, nullptr);
  TPageDevice d = Printer(254, 254);  // 10 pixels per millimetre
  s->SetLeftMargin(300);
  s->SetRightMargin(300);
  s->SetTopMargin(200);
  s->SetBottomMargin(200);
  ExpectSquare(s->PrintableRect(&d), 2000, 2000, 2100, 2100);
  // Negative margins count as 0 on the left and top and cannot reach beyond the paper.
  s->SetLeftMargin(-5);
  s->SetRightMargin(-5);
  s->SetTopMargin(-5);
  s->SetBottomMargin(-5);
  ExpectSquare(s->PrintableRect(&d), 0, 0, 2100, 2970);
}

TEST(PrintableRect, ZeroResolutionFallsBackInsteadOfCollapsingThePage) {
  Settings s;
  s->ChangePaperID(9, nullptr);
  TPageDevice d = Printer(0, -3);
  TSquare r = s->PrintableRect(&d);
  EXPECT_DOUBLE_EQ(r.Left, 300);
  EXPECT_DOUBLE_EQ(r.Top, 300);
  EXPECT_EQ(s->PaperSizePixels(&d), Point(2480, 3507));
}

TEST(PaperSizePixels, TruncatedAndTurnedForLandscape) {
  Settings s;
  s->ChangePaperID(9, nullptr);
  TPageDevice d = Printer(600, 300);
  EXPECT_EQ(s->PaperSizePixels(&d), Point(4960, 3507));  // 4960.6, 3507.8
  s->SetOrientation(dpoLandscape);
  EXPECT_EQ(s->PaperSizePixels(&d), Point(3507, 4960));
}

TEST(MarginStrings, UseAPointAndRejectOtherText) {
  Settings s;
  s->SetLeftMarginStr("12.5");
  EXPECT_EQ(s->GetLeftMargin(), 12.5);
  s->SetTopMarginStr(" 7 ");
  EXPECT_EQ(s->GetTopMargin(), 7);
  EXPECT_EQ(s->GetTopMarginStr(), "7");
  s->SetRightMargin(0.1);
  EXPECT_EQ(s->GetRightMarginStr(), "0.1");
  for (const char* bad : {"", "12,5", "abc", "1e999", "nan"}) {
    EXPECT_THROW(s->SetBottomMarginStr(bad), EConvertError) << bad;
  }
  EXPECT_EQ(s->GetBottomMargin(), 25.4);
}

TEST(PageSettingsTable, PublishedOrderStoredRulesAndAssign) {
  EXPECT_EQ(PropertyNames(TDiagramPageSettings::StaticClassInfo()),
            (QStringList{"PaperName", "PaperId", "PaperWidth", "PaperHeight", "Orientation", "LeftMarginStr",
                         "TopMarginStr", "RightMarginStr", "BottomMarginStr"}));
  Settings s;
  EXPECT_EQ(StoredValues(*s.s), (QStringList{"PaperName=Letter", "PaperId=1", "PaperWidth=215.90000000000001",
                                             "PaperHeight=279.39999999999998", "Orientation=0", "LeftMarginStr=25.4",
                                             "TopMarginStr=25.4", "RightMarginStr=25.4", "BottomMarginStr=25.4"}));
  s->SetPaperName("");
  s->SetPaperWidth(0);
  EXPECT_EQ(StoredNames(*s.s).mid(0, 3), (QStringList{"PaperName", "PaperId", "PaperHeight"}))
      << "an empty name is written; a zero width is not";

  Settings a, b;
  a->ChangePaperID(9, nullptr);
  a->SetOrientation(dpoLandscape);
  a->SetLeftMargin(1);
  a->SetTopMargin(2);
  a->SetRightMargin(3);
  a->SetBottomMargin(4);
  b->Assign(a.s);
  EXPECT_EQ(StoredValues(*b.s), StoredValues(*a.s));
}

TEST(PageGrid, PageSizeFromThePrintableAreaOrFixedValuesAtTheZoom) {
  TPageGridInput in;
  in.Printable = Square(300, 300, 2300, 3300);  // 2000 x 3000 printer pixels
  in.Conv = PrintConvFor(Point(300, 300));      // 3.125
  in.ContentRight = 1000;
  in.ContentBottom = 960;
  TPageGrid g = CalcPageGrid(in);
  EXPECT_DOUBLE_EQ(g.PageWidth, 640);
  EXPECT_DOUBLE_EQ(g.PageHeight, 960);
  EXPECT_EQ(g.Cols, 2);
  EXPECT_EQ(g.Rows, 2) << "content ending on the boundary gets another row";
  in.ZoomRatio = 2;
  g = CalcPageGrid(in);
  EXPECT_DOUBLE_EQ(g.PageWidth, 1280);
  EXPECT_EQ(g.Cols, 1);
  in.ZoomRatio = 1;
  in.FixedPageWidth = 500;
  in.FixedPageCols = 2;
  g = CalcPageGrid(in);
  EXPECT_DOUBLE_EQ(g.PageWidth, 500);
  EXPECT_EQ(g.Cols, 2);
  // Without content the extent is unbounded: the count saturates instead of overflowing.
  TPageGridInput open;
  open.Printable = Square(0, 0, 0.5, 0.5);
  open.Conv = PrintConvFor(Point(300, 300));
  g = CalcPageGrid(open);
  EXPECT_EQ(g.Cols, INT32_MAX);
}

TEST(PageGrid, ZeroPageSizeLeavesTheCountsAsGiven) {
  TPageGridInput in;
  in.Printable = Square(100, 100, 100, 100);
  TPageGrid init;
  init.Cols = 7;
  init.Rows = 9;
  TPageGrid g = CalcPageGrid(in, init);
  EXPECT_EQ(g.Cols, 7);
  EXPECT_EQ(g.Rows, 9);
  in.Conv = TPrintConv{0, 0};
  in.Printable = Square(0, 0, 96, 96);
  g = CalcPageGrid(in);
  EXPECT_DOUBLE_EQ(g.PageWidth, 96) << "no conversion: the printable size as is";
  in.FixedPageWidth = -50;
  g = CalcPageGrid(in, init);
  EXPECT_EQ(g.Cols, 7) << "a negative fixed width counts no pages";
}

TEST(PageCounts, OneMoreThanTheWholePagesTheDrawingFills) {
  const float conv = PrintConvFor(Point(300, 300)).X;
  const double printable = 2000;
  EXPECT_EQ(PageCountAlong(0, conv, printable), 1) << "an empty diagram has one page";
  EXPECT_EQ(PageCountAlong(639, conv, printable), 1);
  EXPECT_EQ(PageCountAlong(640, conv, printable), 2) << "exactly one printable width";
  EXPECT_EQ(PageCountAlong(1300, conv, printable), 3);
  EXPECT_EQ(PageCountAlong(1000, conv, 0), 1) << "no printable width: no division by zero";
  EXPECT_EQ(PageCountAlong(INT32_MAX, 1000.0f, 0.001), INT32_MAX);
  EXPECT_EQ(PageCountAlong(-5000, conv, printable), 1);
  EXPECT_EQ(PageCountOf(3, 2), 6);
  EXPECT_EQ(PageCountOf(100000, 100000), INT32_MAX);
}

TEST(PageCounts, OriginsRunRowByRow) {
  EXPECT_EQ(PageOrigin(1, 3, 100, 200), Dot(0, 0));
  EXPECT_EQ(PageOrigin(3, 3, 100, 200), Dot(-200, 0));
  EXPECT_EQ(PageOrigin(4, 3, 100, 200), Dot(0, -200));
  EXPECT_EQ(PageOrigin(8, 3, 100, 200), Dot(-100, -400));
  EXPECT_EQ(PageOrigin(0, 3, 100, 200), Dot(0, 0)) << "page numbers start at 1";
  EXPECT_EQ(PageOrigin(5, 0, 100, 200), Dot(0, -800)) << "no columns counts as one";
}

TEST(PageLinesObject, DottedBlackAndVisibleOnlyOnADiagram) {
  auto* p = Create<TPageLines>();
  EXPECT_EQ(p->GetPen()->GetStyle(), psDot);
  EXPECT_EQ(p->GetPen()->GetColor(), clBlack);
  p->SetVisible(true);
  EXPECT_FALSE(p->GetVisible());
  EXPECT_EQ(PropertyNames(TPageLines::StaticClassInfo()), (QStringList{"Visible", "Pen"}));
  EXPECT_TRUE(StoredValues(*p).contains("Pen.Style=2"));
  p->GetPen()->SetStyle(psSolid);
  EXPECT_TRUE(StoredValues(*p).contains("Pen.Style=0")) << "a solid pen must be written to read back solid";
  p->Free();
}

TEST(PageLinesObject, BoundariesInsideTheClipOnly) {
  using V = std::vector<double>;
  // Page 100 units at scale 2 from canvas origin 10: boundaries at 210, 410, 610...
  EXPECT_EQ(PageBoundaries(100, 10, 2, 0, 700), (V{210, 410, 610}));
  EXPECT_EQ(PageBoundaries(100, 10, 2, 210, 610), (V{410})) << "strictly inside";
  EXPECT_EQ(PageBoundaries(100, 10, 2, 1e9, 1e9 + 300), (V{1000000010, 1000000210}));
  EXPECT_EQ(PageBoundaries(0, 0, 1, 0, 100), V{});
  EXPECT_EQ(PageBoundaries(-10, 0, 1, 0, 100), V{});
  EXPECT_EQ(PageBoundaries(1e-9, 0, 1, 0, 1e6), V{}) << "sub-pixel pages are not walked";
}
