#pragma once
// The printers of the machine through Qt's print support (CUPS on Linux). Kept out of the
// diagram library, so an embedding application links Qt's print support only when it
// wants the machine's printers; the program installs it at start:
//
//   SetPrinterBackend(CreateQtPrinterBackend());
#include <memory>

#include "diagram/printing/PrinterBackend.h"

namespace tarnwick {

std::unique_ptr<IPrinterBackend> CreateQtPrinterBackend();

// The built-in paper a paper of the given size in millimetres is (within half a
// millimetre, the first in the table's order); 0 when none is.
int TablePaperIdForSize(double AWidth, double AHeight);

}  // namespace tarnwick
