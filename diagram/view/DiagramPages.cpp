// How the drawing falls onto pages: the page grid at the zoom (page lines, AutoPage
// ranges) and the page counts printing goes by.
#include "diagram/printing/PageDevice.h"
#include "diagram/view/Diagram.h"

namespace tarnwick {

TPrintConv TdvDiagram::PrintConv() const {
  // The printable rectangle is measured at the fallback resolution when there is no
  // printer; converting it back at 1:1 would make every page 300/96 times the paper.
  return PrintConvFor(EffectiveDPI(FPageSettings->CurrentDevice()));
}

TPageGrid TdvDiagram::CalcPageGrid(bool WithContent) {
  TPageGridInput in;
  in.Printable = FPageSettings->PrintableRect();
  in.Conv = PrintConv();
  in.FixedPageWidth = FFixedPageWidth;
  in.FixedPageHeight = FFixedPageHeight;
  in.FixedPageCols = FFixedPageCols;
  in.FixedPageRows = FFixedPageRows;
  in.ZoomRatio = GetZoomRatio();
  if (WithContent) {
    const TContentExtent e = CalcContentExtent();
    in.ContentRight = e.MaxR;
    in.ContentBottom = e.MaxB;
  }
  return tarnwick::CalcPageGrid(in);
}

int TdvDiagram::GetPageColCount() {
  const TSquare printable = FPageSettings->PrintableRect();
  return PageCountAlong(GetDiagramWidth(), PrintConv().X, printable.Right - printable.Left);
}

int TdvDiagram::GetPageRowCount() {
  const TSquare printable = FPageSettings->PrintableRect();
  return PageCountAlong(GetDiagramHeight(), PrintConv().Y, printable.Bottom - printable.Top);
}

int TdvDiagram::GetPageCount() { return PageCountOf(GetPageColCount(), GetPageRowCount()); }

}  // namespace tarnwick
