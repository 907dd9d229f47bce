#include "graphics/direct2d/D2DPen.h"

#include "graphics/NativeObjectCounts.h"
#include "platform/core/Properties.h"

namespace tarnwick {

const TClassInfo& TD2DPen::StaticClassInfo() {
  static const TClassInfo info(
      "TD2DPen", &TDgrPen::StaticClassInfo(),
      {EnumProp("PenStyle", PenStyleType(), &TD2DPen::GetPenStyle, &TD2DPen::SetPenStyle, psSolid)}, nullptr);
  return info;
}

void TD2DPen::SetPenStyle(TPenStyle Value) {
  if (Value == FPenStyle) return;
  FPenStyle = Value;
  Changed();
}

void TD2DPen::Assign(TPersistent* Source) {
  TDgrPen::Assign(Source);
  TPenStyle style = FPenStyle;
  if (auto* pen = dynamic_cast<TD2DPen*>(Source)) style = pen->FPenStyle;
  else if (auto* platformPen = dynamic_cast<TPen*>(Source)) style = platformPen->GetStyle();
  SetPenStyle(style);
}

const QPen& TD2DPen::Native() const {
  if (const QPen* kept = CurrentNative()) return *kept;
  const QColor color = WithAlpha(GetColor(), GetAlpha());
  // A fully transparent or clear pen strokes nothing whatever its colour or width: those
  // are left out of its key, so the leftovers of the block's outline pen do not build it
  // again.
  const bool invisible = color.alpha() == 0 || FPenStyle == psClear;
  const TD2DPenKey key = invisible ? TD2DPenKey{0, 0.0, FPenStyle} : TD2DPenKey{color.rgba(), GetWidth(), FPenStyle};
  return UseNative(
      key, [this] { return Build(); }, NativeObjectCounts().Pens);
}

QPen TD2DPen::Build() const {
  QPen pen(WithAlpha(GetColor(), GetAlpha()), GetWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  // A miter may reach ten half-widths from the corner, that is five widths.
  pen.setMiterLimit(5.0);
  switch (FPenStyle) {
    case psDash:
      pen.setStyle(Qt::DashLine);
      break;
    case psDot:
      pen.setStyle(Qt::DotLine);
      break;
    case psDashDot:
      pen.setStyle(Qt::DashDotLine);
      break;
    case psDashDotDot:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    case psAlternate:
      pen.setDashPattern({9, 4, 1, 4});
      break;
    case psClear:
      pen.setStyle(Qt::NoPen);
      break;
    default:
      break;
  }
  return pen;
}

}  // namespace tarnwick
