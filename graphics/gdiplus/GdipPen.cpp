#include "graphics/gdiplus/GdipPen.h"

#include "graphics/NativeObjectCounts.h"
#include "platform/core/Properties.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

Qt::PenStyle QtDash(TGdipDashStyle AStyle) {
  switch (AStyle) {
    case DashStyleDash:
      return Qt::DashLine;
    case DashStyleDot:
      return Qt::DotLine;
    case DashStyleDashDot:
      return Qt::DashDotLine;
    case DashStyleDashDotDot:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

}  // namespace

const TEnumTypeInfo& GdipDashStyleType() {
  static const TEnumTypeInfo t(
      "TDashStyle", {"DashStyleSolid", "DashStyleDash", "DashStyleDot", "DashStyleDashDot", "DashStyleDashDotDot"});
  return t;
}

const TClassInfo& TGdipPen::StaticClassInfo() {
  static const TClassInfo info(
      "TGdipPen", &TDgrPen::StaticClassInfo(),
      {EnumProp("DashStyle", GdipDashStyleType(), &TGdipPen::GetDashStyle, &TGdipPen::SetDashStyle)}, nullptr);
  return info;
}

void TGdipPen::SetDashStyle(TGdipDashStyle Value) {
  if (Value == FDashStyle) return;
  FDashStyle = Value;
  Changed();
}

void TGdipPen::Assign(TPersistent* Source) {
  TDgrPen::Assign(Source);
  if (auto* pen = dynamic_cast<TGdipPen*>(Source)) {
    SetDashStyle(pen->FDashStyle);
  } else if (auto* platformPen = dynamic_cast<TPen*>(Source)) {
    switch (platformPen->GetStyle()) {
      case psDash:
        SetDashStyle(DashStyleDash);
        break;
      case psDot:
        SetDashStyle(DashStyleDot);
        break;
      case psDashDot:
        SetDashStyle(DashStyleDashDot);
        break;
      case psDashDotDot:
        SetDashStyle(DashStyleDashDotDot);
        break;
      case psClear:
        SetTransparency(100);
        break;
      default:
        SetDashStyle(DashStyleSolid);
        break;
    }
  }
}

const QPen& TGdipPen::GPPen() {
  if (const QPen* kept = CurrentNative()) return *kept;
  const QColor color = WithAlpha(GetColor(), GetAlpha());
  // A negative or undefined width strokes as the thinnest line rather than confusing Qt.
  const double width = GetWidth() > 0 ? static_cast<float>(GetWidth()) : 0.0;
  // A fully transparent pen strokes nothing whatever its colour or width: those are left
  // out of its key, so the leftovers of the block's outline pen do not build it again.
  const bool invisible = color.alpha() == 0;
  const TGdipPenKey key = invisible ? TGdipPenKey{0, 0.0, FDashStyle} : TGdipPenKey{color.rgba(), width, FDashStyle};
  return UseNative(
      key,
      [&] {
        // Flat caps and mitred joins (limit 10): a square cap would lengthen every open
        // line of a stored drawing by half the pen width.
        QPen pen(QBrush(color), width, QtDash(FDashStyle), Qt::FlatCap, Qt::MiterJoin);
        pen.setMiterLimit(10.0);
        pen.setCosmetic(false);
        return pen;
      },
      NativeObjectCounts().Pens);
}

}  // namespace tarnwick
