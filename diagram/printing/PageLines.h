#pragma once
// TPageLines: lines over the diagram where page boundaries fall, at multiples of the page
// size from the diagram's origin.
#include <vector>

#include "platform/core/Object.h"
#include "platform/core/Persistent.h"

namespace tarnwick {

class TPen;
class TdvDiagram;

class TPageLines : public TPersistent {
  TARNWICK_CLASS(TPageLines)

 public:
  explicit TPageLines(TdvDiagram* ADiagram = nullptr);
  ~TPageLines() override;

  // Visible and the pen.
  void Assign(TPersistent* Source) override;

  bool GetVisible() const { return FVisible; }
  // Page lines belong to a diagram: without one the value stays False.
  void SetVisible(bool Value);
  // Dotted and black to begin with.
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value);

  TdvDiagram* GetDiagram() const { return FDiagram; }

 private:
  void RequestRedraw();

  TdvDiagram* FDiagram;
  bool FVisible = false;
  TOwned<TPen> FPen;
};

// The canvas positions of the page boundaries i x PageSize (i = 1, 2, ...) along one axis
// that lie strictly between ClipLow and ClipHigh, where a diagram coordinate x appears
// at Origin + Scale x x on the canvas. Empty for a page size or scale that is not
// positive, and when boundaries would be less than a pixel apart (they would only fill
// the area, one line per fraction of a pixel).
std::vector<double> PageBoundaries(double PageSize, double Origin, double Scale, double ClipLow, double ClipHigh);

}  // namespace tarnwick
