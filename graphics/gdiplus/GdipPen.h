#pragma once
// TGdipPen: the engine pen. Its QPen is built on first use and kept by the values it was
// built from: a change takes effect at the next drawing call, and a pen that a control
// switches between a few states on every paint finds each one again. The pen is centred on the geometry and its
// width is in drawing units: the paint pass's zoom scales it like the shapes it outlines.
#include <QPen>

#include "graphics/DgrPen.h"
#include "graphics/QtNativeTool.h"

namespace tarnwick {

enum TGdipDashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot };

const TEnumTypeInfo& GdipDashStyleType();

struct TGdipPenKey {
  QRgb Color = 0;
  double Width = 0;
  TGdipDashStyle Dash = DashStyleSolid;
  friend bool operator==(const TGdipPenKey&, const TGdipPenKey&) = default;
};

class TGdipPen : public TQtNativeTool<TDgrPen, TGdipPenKey, QPen> {
  TARNWICK_CLASS(TGdipPen)

 public:
  // The base assignment, then the dash style: copied from another engine pen, taken from a
  // platform pen's style. A platform pen that draws nothing (psClear) turns this pen fully
  // transparent instead and leaves its dash style as it was.
  void Assign(TPersistent* Source) override;

  TGdipDashStyle GetDashStyle() const { return FDashStyle; }
  void SetDashStyle(TGdipDashStyle Value);

  // The native pen, built on demand: the colour with the pen's alpha, the width as it is
  // (0 draws one device pixel), flat caps and mitred joins.
  const QPen& GPPen();

 private:
  TGdipDashStyle FDashStyle = DashStyleSolid;
};

}  // namespace tarnwick
