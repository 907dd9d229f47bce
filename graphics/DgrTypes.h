#pragma once
// The value types shared by every drawing engine and by the controls that choose one: the
// engine itself, its quality settings, brush modes and gradient layouts, units, the
// vertical text alignment and the path fill rule.
#include "geometry/Dot.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

enum TDgrGraphicLib { dglGDI, dglGDIPlus, dglDirect2D };
enum TDgrSmoothMode { smAntiAlias, smInactive, smHighSpeed, smHighQuality };
enum TDgrTextRenderingMode { tmAntiAlias, tmAntiAliasHint, tmDefault, tmNormal, tmNormalHint, tmClearType };
enum TDgrBrushMode { bmSolid, bmClear, bmHatch, bmGradient, bmTexture };
// The same members in the same order as a gradient's direction, so one converts to the
// other by ordinal.
enum TDgrGradientMode {
  gmTopBottom,
  gmBottomTop,
  gmLeftRight,
  gmRightLeft,
  gmLeftTop,
  gmRightTop,
  gmLeftBottom,
  gmRightBottom,
  gmInOut,
  gmOutIn,
  gmHorzInOut,
  gmHorzOutIn,
  gmVertInOut,
  gmVertOutIn
};
enum TDgrPageUnit { dpuWorld, dpuDisplay, dpuPixel, dpuPoint, dpuInch, dpuDocument, dpuMillimeter };
enum TFillMode { fmAlternate, fmWinding };

const TEnumTypeInfo& DgrGraphicLibType();
const TEnumTypeInfo& DgrSmoothModeType();
const TEnumTypeInfo& DgrTextRenderingModeType();
const TEnumTypeInfo& DgrBrushModeType();
const TEnumTypeInfo& DgrGradientModeType();

// Whether the platform offers the Direct2D engine. It does not by default: its substitute
// is switched on explicitly (by tests that exercise both engines, or an application).
bool IsDirect2DSupported();
void SetDirect2DSupported(bool Value);

// The engine every new diagram and every control without a diagram starts with:
// Direct2D where supported, otherwise GDI+.
TDgrGraphicLib DefaultGraphicLib();

}  // namespace tarnwick
