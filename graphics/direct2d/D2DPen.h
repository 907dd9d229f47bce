#pragma once
// TD2DPen: the engine pen with a dash style of its own. Its stroke width is always in the
// units of the surface it strokes on: a path's own matrix never widens or narrows it.
#include <QPen>

#include "graphics/DgrPen.h"
#include "graphics/QtNativeTool.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

struct TD2DPenKey {
  QRgb Color = 0;
  double Width = 0;
  TPenStyle Style = psSolid;
  friend bool operator==(const TD2DPenKey&, const TD2DPenKey&) = default;
};

// A block strokes with a transparent pen for its fills and its own pen for the outline:
// both are kept, so a repaint of an unchanged block builds neither.
class TD2DPen : public TQtNativeTool<TDgrPen, TD2DPenKey, QPen> {
  TARNWICK_CLASS(TD2DPen)

 public:
  // The base copy, then the dash style of another engine pen or of a platform pen.
  void Assign(TPersistent* Source) override;

  TPenStyle GetPenStyle() const { return FPenStyle; }
  void SetPenStyle(TPenStyle Value);

  // The QPen strokes are made with, built on first use after a change: the colour at the
  // pen's alpha, flat caps and mitred joins, the dash pattern of the style (in units of
  // the width). psClear strokes nothing.
  const QPen& Native() const;

 private:
  QPen Build() const;

  TPenStyle FPenStyle = psSolid;
};

}  // namespace tarnwick
