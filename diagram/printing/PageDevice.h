#pragma once
// What page settings and pagination need to know of the current printer. The printer
// layer fills it from the printer it talks to; without a printer the computations fall
// back to 300 x 300 pixels per inch and the built-in paper table.
#include <vector>

#include "diagram/printing/PageOrientation.h"
#include "diagram/printing/PaperSizes.h"
#include "platform/core/Types.h"

namespace tarnwick {

struct TPageDevice {
  static constexpr int FallbackDPI = 300;

  TPoint DPI{FallbackDPI, FallbackDPI};
  // The printer's default paper (id 0 or a zero side: none).
  TPaperSize DefPaper;
  TDiagramPageOrientation DefOrientation = dpoPortrait;
  // Unprintable margins in millimetres.
  double MinLeftMargin = 0.0;
  double MinTopMargin = 0.0;
  double MinRightMargin = 0.0;
  double MinBottomMargin = 0.0;
  std::vector<TPaperSize> Papers;
};

// The resolution computations use: the device's, or 300 x 300 without one. An axis the
// device reports as 0 or less also falls back to 300, so no page size becomes 0 and
// nothing divides by it.
TPoint EffectiveDPI(const TPageDevice* Device) noexcept;

// The papers ChangePaperID looks in: the device's list, or the built-in table.
const std::vector<TPaperSize>& PaperList(const TPageDevice* Device);

}  // namespace tarnwick
