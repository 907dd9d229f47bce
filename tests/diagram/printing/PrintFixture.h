#pragma once
// A diagram whose page computations follow the process's printer list, with the fake
// printing service installed (or none: a machine without printers).
#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/printing/PdfPrinter.h"
#include "diagram/printing/Printers.h"
#include "diagram/view/DiagramPrinting.h"
#include "tests/diagram/TestControls.h"
#include "tests/diagram/printing/FakePrinterBackend.h"

namespace tarnwick::test {

struct TPrintFixture : TDiagramFixture {
  explicit TPrintFixture(bool AWithPrinters = true) {
    RegisterAllClasses();
    if (AWithPrinters) {
      auto backend = TFakePrinterBackend::Office();
      Backend = backend.get();
      SetPrinterBackend(std::move(backend));
    } else {
      SetPrinterBackend(nullptr);
    }
    AttachDiagramPrinters(*Diagram);
  }
  ~TPrintFixture() {
    SetPrintDialogRunner(nullptr);
    SetPrinterBackend(nullptr);
  }

  // Three pages side by side on Letter paper with inch margins (a page is 624 x 864
  // diagram units at any resolution), one block on each.
  void ThreePages() {
    Block(10, 10, 100, 100);
    Block(700, 10, 800, 100);
    Block(1300, 10, 1400, 100);
  }

  // A block that paints (a filled, outlined rectangle).
  TDiagramBlock* Block(double L, double T, double R, double B) {
    auto* b = Create<TDiagramBlock>(Form);
    b->SetBoundsRect(TSquare{L, T, R, B});
    b->SetColor(0x0000FF);
    b->SetDiagram(Diagram);
    return b;
  }

  void Select(const QString& AName) { DiagramPrinters().SetPrinterIndex(DiagramPrinters().IndexOf(AName)); }

  TFakePrinterBackend* Backend = nullptr;
};

}  // namespace tarnwick::test
