// The printer list: the machine's printers through the backend, the generic printer when
// there are none, the default printer, what each printer offers, and paper and margin
// selection by the page settings of a diagram that follows the list.
#include <gtest/gtest.h>

#include "diagram/printing/PageSettings.h"
#include "tests/diagram/printing/PrintFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct PrinterList : ::testing::Test, TPrintFixture {};
struct NoPrinters : ::testing::Test, TPrintFixture {
  NoPrinters() : TPrintFixture(false) {}
};

std::vector<int> PaperIds(const TDiagramPrinter& P) {
  std::vector<int> ids;
  for (const TPaperSize& p : P.GetPapers()) ids.push_back(p.Id);
  return ids;
}

}  // namespace

TEST_F(PrinterList, ListsTheMachinesPrintersAndStartsOnTheDefaultWhateverItsCase) {
  TDiagramPrinters& list = DiagramPrinters();
  EXPECT_TRUE(list.HasPrinterInstalled());
  EXPECT_EQ(list.Names(), QStringList({"Office Laser", "Label Writer", "Broken", TDiagramPdfPrinter::PdfName}));
  EXPECT_EQ(list.GetPrinterIndex(), 1);
  EXPECT_EQ(DPrinter()->GetDeviceName(), "Label Writer");
  EXPECT_EQ(DPrinter()->GetPort(), "usb://label");

  // A new service: the list is built anew on next use.
  auto backend = TFakePrinterBackend::Office();
  backend->Default = "nobody";
  Backend = backend.get();
  SetPrinterBackend(std::move(backend));
  EXPECT_EQ(DiagramPrinters().GetPrinterIndex(), 0) << "no printer matches: the first one";
}

TEST_F(PrinterList, ARealPrinterOffersItsPapersInTheTablesNumberingAndItsTrays) {
  Select("Office Laser");
  TDiagramPrinter* p = DPrinter();
  ASSERT_TRUE(p->IsInitialized());
  EXPECT_EQ(PaperIds(*p), (std::vector<int>{9, 1, 11, 300})) << "the custom size is left out";
  EXPECT_EQ(p->GetDPI().X, 600);
  EXPECT_EQ(p->GetDefPaper().Id, 9);
  EXPECT_EQ(p->GetDefPaper().Name, "A4");
  ASSERT_EQ(p->BinCount(), 1) << "tray 7 is the default tray and not listed";
  EXPECT_EQ(p->GetBinName(0), "Upper");
  EXPECT_EQ(p->GetBinID(0), 260);
  EXPECT_EQ(p->GetBin(), -1);
  EXPECT_EQ(p->MMToPixelsX(25.4), 600);
  EXPECT_EQ(p->PixelsToMMY(600), 25);

  Select("Label Writer");
  p = DPrinter();
  ASSERT_EQ(p->BinCount(), 1);
  EXPECT_EQ(p->GetBinName(0), "Default tray") << "a printer naming no tray still has one";
  EXPECT_EQ(p->GetBinID(0), 7);
  EXPECT_EQ(p->GetDefOrientation(), dpoLandscape);
  EXPECT_EQ(p->GetDPI().Y, 600);
}

TEST_F(PrinterList, APrinterWhoseSettingsCannotBeFetchedRefusesToWork) {
  Select("Broken");
  TDiagramPrinter* p = DPrinter();
  ASSERT_NE(p, nullptr);
  EXPECT_FALSE(p->IsInitialized());
  for (auto op : std::initializer_list<std::function<void()>>{
           [&] { p->BeginDoc(); }, [&] { p->NewPage(); }, [&] { p->EndPage(); }, [&] { p->EndDoc(); },
           [&] { p->SetupPrinter(9, false, false, dpNone, 297, 210); }}) {
    try {
      op();
      ADD_FAILURE() << "no exception";
    } catch (const EDiagramPrintException& E) {
      EXPECT_EQ(E.Message(), "Printer not initialized");
    }
  }
  EXPECT_TRUE(Backend->Jobs.empty());
}

TEST_F(PrinterList, SetupGoesToThePlatformWithDuplexOnlyWhereSupported) {
  Select("Office Laser");
  DPrinter()->SetupPrinter(11, true, true, dpHorizontal, 0, 0);
  ASSERT_FALSE(Backend->Setups.empty());
  const TPrinterSetup s = Backend->Setups.back().second;
  EXPECT_EQ(s.PaperId, 11);
  EXPECT_EQ(s.PaperWidth, 148) << "a listed paper is sent with its size";
  EXPECT_TRUE(s.Landscape);
  EXPECT_EQ(s.Duplex, dpHorizontal);
  EXPECT_EQ(DPrinter()->GetOrientation(), dpoLandscape);
  DPrinter()->SetupPrinter(CustomPaperId, false, false, dpNone, 120.5, 80.25);
  EXPECT_EQ(Backend->Setups.back().second.PaperWidth, 80.25);
  EXPECT_EQ(Backend->Setups.back().second.PaperHeight, 120.5);

  Select("Label Writer");
  DPrinter()->SetupPrinter(301, false, true, dpVertical, 0, 0);
  EXPECT_EQ(Backend->Setups.back().second.Duplex, dpNone) << "the label printer has no duplex";
  EXPECT_FALSE(Backend->Setups.back().second.Collate);
}

TEST_F(PrinterList, PageSettingsTakeTheCurrentPrintersPaperResolutionAndMargins) {
  Select("Office Laser");
  TDiagramPageSettings& ps = *Diagram->GetPageSettings();
  ps.ResetToDefaults();
  EXPECT_EQ(ps.GetPaperId(), 9);
  EXPECT_EQ(ps.GetPaperName(), "A4");
  EXPECT_EQ(ps.GetLeftMargin(), 25.4) << "a paper of 100 mm or more keeps inch margins";
  // 600 DPI: the inch margins are 600 pixels.
  EXPECT_DOUBLE_EQ(ps.PrintableRect().Left, 600);
  ps.ChangePaperID(11);
  EXPECT_EQ(ps.GetPaperName(), "A5");
  EXPECT_EQ(ps.GetPaperWidth(), 148);
  ps.ChangePaperID(300);
  EXPECT_EQ(ps.GetPaperName(), "Photo 10x15") << "a paper of this printer only";
  ps.ChangePaperID(66);
  EXPECT_EQ(ps.GetPaperId(), 66);
  EXPECT_EQ(ps.GetPaperName(), "Photo 10x15") << "A2 is not offered: only the id changes";

  Select("Label Writer");
  ps.ResetToDefaults();
  EXPECT_EQ(ps.GetPaperId(), 301);
  EXPECT_EQ(ps.GetOrientation(), dpoLandscape);
  // The label is narrower and lower than 100 mm: margins become a quarter inch per inch of
  // paper, at least the printer's own unprintable edge.
  EXPECT_NEAR(ps.GetLeftMargin(), 0.254 * 62, 1e-9);
  EXPECT_NEAR(ps.GetTopMargin(), 0.254 * 90, 1e-9);
  EXPECT_EQ(ps.PaperSizePixels().X, Trunc(90 / 25.4 * 600)) << "landscape swaps the axes' resolution";
}

TEST_F(NoPrinters, TheGenericPrinterServesPageComputationsButCannotPrint) {
  TDiagramPrinters& list = DiagramPrinters();
  EXPECT_FALSE(list.HasPrinterInstalled());
  EXPECT_EQ(list.Names(), QStringList({"Generic printer", TDiagramPdfPrinter::PdfName}));
  TDiagramPrinter* p = DPrinter();
  EXPECT_EQ(p->GetDeviceName(), "Generic printer");
  EXPECT_EQ(p->GetDPI().X, 300);
  EXPECT_EQ(p->GetDefPaper().Id, 9);
  EXPECT_EQ(p->GetDefPaper().Name, "A4");
  EXPECT_EQ(p->PaperCount(), 68);
  EXPECT_FALSE(p->CanPrint());

  Diagram->GetPageSettings()->ResetToDefaults();
  EXPECT_EQ(Diagram->GetPageSettings()->GetPaperId(), 9);
  EXPECT_EQ(Diagram->GetPageCount(), 1);

  QString message;
  EXPECT_FALSE(Print(*Diagram, false, &message));
  EXPECT_EQ(message, NoPrinterMessage);
}
