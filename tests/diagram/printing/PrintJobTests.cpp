// Print jobs: which pages go to the printer and in what order, copies as whole sequences,
// refusals of jobs without pages, cancelling, and the paint state left behind.
#include <gtest/gtest.h>

#include "diagram/printing/PageList.h"
#include "platform/core/Exception.h"
#include "platform/gui/Progress.h"
#include "tests/diagram/printing/PrintFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct PrintJob : ::testing::Test, TPrintFixture {
  PrintJob() {
    Select("Office Laser");
    Diagram->GetPageSettings()->ChangePaperID(1);  // Letter: three pages across
    ThreePages();
  }
  // The pages the one job printed.
  std::vector<int> Printed(int ACopies, const QString& APages) {
    const size_t before = Backend->Jobs.size();
    QString message;
    const bool ok = PrintPages(*Diagram, *DPrinter(), ACopies, APages, &message);
    EXPECT_TRUE(ok) << message.toStdString();
    if (!ok || Backend->Jobs.size() != before + 1) return {};
    EXPECT_TRUE(Backend->Jobs.back().Finished);
    return Backend->Jobs.back().Pages;
  }
};

using Pages = std::vector<int>;

}  // namespace

TEST(PageList, RangesListsAndOpenEnds) {
  const struct {
    const char* Text;
    Pages Expected;
  } cases[] = {
      {"1,3,5-7", {1, 3, 5, 6, 7}},
      {"-2", {1, 2}},
      {"8-", {8, 9, 10}},
      {"5-3", {}},
      {"", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"  ", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"2 4, 9", {2, 4, 9}},
      {"\"3\",7-7", {3, 7}},
      {"03,11,0", {}},  // items are compared as written: "03" is not page 3
      {"1-2000000000", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"-", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
  };
  for (const auto& c : cases) EXPECT_EQ(TPageList(c.Text, 10).Pages(10), c.Expected) << c.Text;
  for (const char* bad : {"a-3", "1-b", "2-3-4", "1.5-2"}) EXPECT_THROW(TPageList(bad, 10), EConvertError) << bad;
}

TEST_F(PrintJob, SendsTheSelectedPagesInOrderAndCopiesAsWholeSequences) {
  ASSERT_EQ(Diagram->GetPageCount(), 3);
  EXPECT_EQ(Printed(1, ""), (Pages{1, 2, 3}));
  EXPECT_EQ(Printed(2, ""), (Pages{1, 2, 3, 1, 2, 3}));
  EXPECT_EQ(Printed(2, "3,1"), (Pages{1, 3, 1, 3})) << "page order, not the typed order";
  EXPECT_EQ(Printed(1, "2-"), (Pages{2, 3}));
  EXPECT_EQ(Backend->Jobs.back().Title, "Diagram");
  PrintSettingsOf(*Diagram).Title = "Plan";
  Printed(1, "1");
  EXPECT_EQ(Backend->Jobs.back().Title, "Plan");
  EXPECT_EQ(Backend->Jobs.back().Setup.PaperId, 1) << "the printer is set up with the diagram's paper";
}

TEST_F(PrintJob, AJobWithoutPagesIsRefusedBeforeItStarts) {
  QString message;
  EXPECT_FALSE(PrintPages(*Diagram, *DPrinter(), 1, "5-9", &message));
  EXPECT_EQ(message, "The pages \"5-9\" select no page of the 3 pages this diagram has");
  EXPECT_FALSE(PrintPages(*Diagram, *DPrinter(), 0, "", &message));
  EXPECT_EQ(message, "The number of copies must be at least 1");
  EXPECT_FALSE(PrintPages(*Diagram, *DPrinter(), -3, "", &message));
  EXPECT_THROW(PrintPages(*Diagram, *DPrinter(), 1, "x-2", &message), EConvertError);
  EXPECT_TRUE(Backend->Jobs.empty()) << "nothing reached the printer";
}

TEST_F(PrintJob, PrintUsesTheDiagramsSettingsOrTheDialogsChoice) {
  TDiagramPrintSettings& s = PrintSettingsOf(*Diagram);
  s.Copies = 2;
  s.PageNumbers = "2";
  EXPECT_TRUE(Print(*Diagram, false));
  EXPECT_EQ(Backend->Jobs.back().Pages, (Pages{2, 2}));

  int seenCopies = 0;
  SetPrintDialogRunner([&](TdvDiagram&, int& ACopies, QString& APages) {
    seenCopies = ACopies;
    ACopies = 1;
    APages = "1,3";
    return true;
  });
  EXPECT_TRUE(Print(*Diagram, true));
  EXPECT_EQ(seenCopies, 2);
  EXPECT_EQ(Backend->Jobs.back().Pages, (Pages{1, 3}));
  EXPECT_EQ(s.Copies, 2) << "the dialog's choice is not written back";

  SetPrintDialogRunner([](TdvDiagram&, int&, QString&) { return false; });
  const size_t jobs = Backend->Jobs.size();
  EXPECT_FALSE(Print(*Diagram, true));
  EXPECT_EQ(Backend->Jobs.size(), jobs);
}

TEST_F(PrintJob, CancellingDropsTheJobAndRestoresTheDiagram) {
  Diagram->SetZoom(150);
  const TProgressScope scope([](qint64 ADone, qint64) { return ADone < 2; });
  EXPECT_THROW(PrintPages(*Diagram, *DPrinter(), 1, "", nullptr), EOperationCancelled);
  ASSERT_EQ(Backend->Jobs.size(), 1u);
  EXPECT_TRUE(Backend->Jobs[0].Aborted);
  EXPECT_FALSE(Backend->Jobs[0].Finished);
  EXPECT_FALSE(DPrinter()->IsPrinting());
  EXPECT_EQ(Diagram->GetZoomRatio(), 1.5);
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
}

TEST_F(PrintJob, WithoutPrintersTheDialogCanStillPrintToAFile) {
  SetPrinterBackend(nullptr);
  Backend = nullptr;
  QString message;
  EXPECT_FALSE(Print(*Diagram, false, &message));
  EXPECT_EQ(message, NoPrinterMessage);
  // The dialog leaves the PDF file printer current without a file: refused by the printer.
  SetPrintDialogRunner([](TdvDiagram&, int&, QString&) {
    DiagramPrinters().SetPrinterIndex(DiagramPrinters().IndexOf(TDiagramPdfPrinter::PdfName));
    return true;
  });
  EXPECT_THROW(Print(*Diagram, true, &message), EDiagramPrintException);
}
