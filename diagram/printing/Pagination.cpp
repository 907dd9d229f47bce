#include "diagram/printing/Pagination.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/core/Math.h"

namespace tarnwick {

namespace {

int Saturate(double v) noexcept {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, double{INT32_MIN}, double{INT32_MAX}));
}

// Trunc(Extent / Size) + 1, without overflowing when the quotient reaches the 32-bit limit.
int CountAlong(double Extent, double Size) noexcept { return Saturate(std::trunc(Extent / Size) + 1.0); }

}  // namespace

TPrintConv PrintConvFor(TPoint DPI) noexcept {
  return TPrintConv{static_cast<float>(DPI.X / 96.0), static_cast<float>(DPI.Y / 96.0)};
}

TPageGrid CalcPageGrid(const TPageGridInput& In, TPageGrid Init) noexcept {
  TPageGrid g = Init;
  const double printableW = In.Printable.Right - In.Printable.Left;
  const double printableH = In.Printable.Bottom - In.Printable.Top;
  g.PageWidth = In.Conv.X > 0 ? printableW / In.Conv.X : printableW;
  g.PageHeight = In.Conv.Y > 0 ? printableH / In.Conv.Y : printableH;
  if (In.FixedPageWidth != 0) g.PageWidth = In.FixedPageWidth;
  if (In.FixedPageHeight != 0) g.PageHeight = In.FixedPageHeight;
  g.PageWidth *= In.ZoomRatio;
  g.PageHeight *= In.ZoomRatio;
  if (g.PageWidth > 0) g.Cols = In.FixedPageCols > 0 ? In.FixedPageCols : CountAlong(In.ContentRight, g.PageWidth);
  if (g.PageHeight > 0) g.Rows = In.FixedPageRows > 0 ? In.FixedPageRows : CountAlong(In.ContentBottom, g.PageHeight);
  return g;
}

int PageCountAlong(int DiagramExtent, float Conv, double PrintableSize) noexcept {
  if (!(PrintableSize > 0)) return 1;
  return std::max(1, CountAlong(Round(DiagramExtent * double{Conv}), PrintableSize));
}

int PageCountOf(int Cols, int Rows) noexcept {
  const int64_t n = int64_t{Cols} * Rows;
  return static_cast<int>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX));
}

TDot PageOrigin(int PageNo, int Cols, double PrintableWidth, double PrintableHeight) noexcept {
  const int64_t index = std::max(PageNo, 1) - int64_t{1};
  const int64_t cols = std::max(Cols, 1);
  const int64_t col = index % cols, row = index / cols;
  return Dot(-static_cast<double>(col) * PrintableWidth, -static_cast<double>(row) * PrintableHeight);
}

}  // namespace tarnwick
