#pragma once
// A printing service for tests: a few printers with papers, trays and resolutions of their
// own, and a record of every job (its setup, title and the pages in the order they came).
// Pages are drawn into a QPicture, which records without holding pixels.
#include <QPainter>
#include <QPicture>
#include <map>
#include <memory>
#include <vector>

#include "diagram/printing/PrinterBackend.h"

namespace tarnwick::test {

struct TFakeJobRecord {
  QString Printer;
  QString Title;
  TPrinterSetup Setup;
  std::vector<int> Pages;
  bool Finished = false;
  bool Aborted = false;
};

struct TFakePrinter {
  TPrinterEntry Entry;
  std::optional<TPrinterSettings> Settings;  // nothing: its settings cannot be fetched
};

class TFakePrinterBackend : public IPrinterBackend {
 public:
  std::vector<TFakePrinter> Printers;
  QString Default;
  std::vector<TFakeJobRecord> Jobs;
  std::vector<std::pair<QString, TPrinterSetup>> Setups;

  // "Office Laser" (600 DPI, A4, Letter, A5, a custom size and a paper the table lacks,
  // trays "Auto" (7) and "Upper"), "Label Writer" (300 x 600 DPI, a 62 x 90 mm label,
  // 3 mm unprintable edges, landscape by default) and "Broken" (cannot be opened). The
  // default is given in another letter case than the printer's name.
  static std::unique_ptr<TFakePrinterBackend> Office() {
    auto b = std::make_unique<TFakePrinterBackend>();
    TPrinterSettings laser;
    laser.Geometry = TPrinterGeometry{TPoint{600, 600}, 210, 297, 4, 4, 4, 4};
    laser.DefPaperId = 9;
    laser.Papers = {{9, "A4", 210, 297},
                    {1, "Letter", 215.9, 279.4},
                    {11, "A5", 148, 210},
                    {256, "Custom", 100, 100},
                    {300, "Photo 10x15", 100, 150}};
    laser.Trays = {{7, "Auto"}, {260, "Upper"}};
    laser.CanDuplex = true;
    laser.CanCollate = true;
    TPrinterSettings label;
    label.Geometry = TPrinterGeometry{TPoint{300, 600}, 62, 90, 3, 3, 3, 3};
    label.DefPaperId = 301;
    label.DefOrientation = dpoLandscape;
    label.Papers = {{301, "Label 62x90", 62, 90}};
    b->Printers = {
        {{"Office Laser", "Room 2"}, laser}, {{"Label Writer", "usb://label"}, label}, {{"Broken", ""}, std::nullopt}};
    b->Default = "label writer";
    return b;
  }

  std::vector<TPrinterEntry> ListPrinters() override {
    std::vector<TPrinterEntry> list;
    for (const TFakePrinter& p : Printers) list.push_back(p.Entry);
    return list;
  }
  QString DefaultPrinterName() override { return Default; }
  std::optional<TPrinterSettings> OpenPrinter(const QString& AName) override {
    for (const TFakePrinter& p : Printers)
      if (p.Entry.Name == AName) return p.Settings;
    return std::nullopt;
  }
  TPrinterGeometry ApplySetup(const QString& AName, const TPrinterSetup& ASetup) override {
    Setups.emplace_back(AName, ASetup);
    TPrinterGeometry g = OpenPrinter(AName)->Geometry;
    if (ASetup.PaperWidth > 0) {
      g.PaperWidth = ASetup.PaperWidth;
      g.PaperHeight = ASetup.PaperHeight;
    }
    return g;
  }

  class TJob : public IPrintJob {
   public:
    TJob(TFakePrinterBackend& ABackend, size_t AIndex) : FBackend(ABackend), FIndex(AIndex) {
      FPainter.begin(&FPicture);
    }
    bool NewPage(int APageNo) override {
      FBackend.Jobs[FIndex].Pages.push_back(APageNo);
      return true;
    }
    void EndPage() override {}
    QPainter* Painter() override { return &FPainter; }
    bool Finish() override {
      FPainter.end();
      FBackend.Jobs[FIndex].Finished = true;
      return true;
    }
    void Abort() override {
      if (FPainter.isActive()) FPainter.end();
      FBackend.Jobs[FIndex].Aborted = true;
    }

   private:
    TFakePrinterBackend& FBackend;
    size_t FIndex;
    QPicture FPicture;
    QPainter FPainter;
  };

  std::unique_ptr<IPrintJob> StartJob(const QString& AName, const TPrinterSetup& ASetup,
                                      const QString& ATitle) override {
    Jobs.push_back(TFakeJobRecord{AName, ATitle, ASetup, {}, false, false});
    return std::make_unique<TJob>(*this, Jobs.size() - 1);
  }
};

}  // namespace tarnwick::test
