#pragma once
// How a diagram is cut into pages: the conversion between printer pixels and diagram
// pixels, the page grid at the current zoom, the page counts and each page's origin. Pure
// functions of their inputs; the diagram supplies its state.
#include "geometry/Dot.h"
#include "platform/core/Types.h"

namespace tarnwick {

// Printer pixels per diagram pixel (1/96 inch) on each axis.
struct TPrintConv {
  float X = 1.0f;
  float Y = 1.0f;
};

TPrintConv PrintConvFor(TPoint DPI) noexcept;

struct TPageGridInput {
  TSquare Printable;             // printable rectangle in printer pixels
  TPrintConv Conv;               // from UpdatePrintConv
  double FixedPageWidth = 0.0;   // diagram units; 0: from the printable size
  double FixedPageHeight = 0.0;  // diagram units; 0: from the printable size
  int FixedPageCols = 0;         // above 0: the number of columns
  int FixedPageRows = 0;         // above 0: the number of rows
  double ZoomRatio = 1.0;
  // Right and bottom extent of the content in canvas pixels, or "unbounded".
  double ContentRight = 2147483647.0;
  double ContentBottom = 2147483647.0;
};

struct TPageGrid {
  double PageWidth = 0.0;   // canvas pixels at the zoom
  double PageHeight = 0.0;  // canvas pixels at the zoom
  int Cols = 0;
  int Rows = 0;
};

// A page side that is not positive leaves its count at the value given in Init.
TPageGrid CalcPageGrid(const TPageGridInput& In, TPageGrid Init = {}) noexcept;

// Pages across (down) a drawing DiagramExtent diagram pixels wide (high): one more than
// the whole printable sizes it fills, so a drawing ending exactly on a page boundary gets
// an empty last page. 1 when the printable size is not positive. Saturates at the 32-bit
// range.
int PageCountAlong(int DiagramExtent, float Conv, double PrintableSize) noexcept;
// Columns x rows, saturating at the 32-bit range.
int PageCountOf(int Cols, int Rows) noexcept;

// The printer-pixel offset that brings page PageNo (from 1, row by row) to the origin.
// Page numbers below 1 count as page 1; Cols below 1 as one column.
TDot PageOrigin(int PageNo, int Cols, double PrintableWidth, double PrintableHeight) noexcept;

}  // namespace tarnwick
