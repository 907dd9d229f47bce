#include "graphics/DgrTypes.h"

namespace tarnwick {

namespace {
bool& Direct2DSwitch() {
  static bool supported = false;
  return supported;
}
}  // namespace

const TEnumTypeInfo& DgrGraphicLibType() {
  static const TEnumTypeInfo t("TDgrGraphicLib", {"dglGDI", "dglGDIPlus", "dglDirect2D"});
  return t;
}

const TEnumTypeInfo& DgrSmoothModeType() {
  static const TEnumTypeInfo t("TDgrSmoothMode", {"smAntiAlias", "smInactive", "smHighSpeed", "smHighQuality"});
  return t;
}

const TEnumTypeInfo& DgrTextRenderingModeType() {
  static const TEnumTypeInfo t("TDgrTextRenderingMode",
                               {"tmAntiAlias", "tmAntiAliasHint", "tmDefault", "tmNormal", "tmNormalHint", "tmClearType"});
  return t;
}

const TEnumTypeInfo& DgrBrushModeType() {
  static const TEnumTypeInfo t("TDgrBrushMode", {"bmSolid", "bmClear", "bmHatch", "bmGradient", "bmTexture"});
  return t;
}

const TEnumTypeInfo& DgrGradientModeType() {
  static const TEnumTypeInfo t("TDgrGradientMode",
                               {"gmTopBottom", "gmBottomTop", "gmLeftRight", "gmRightLeft", "gmLeftTop",
                                "gmRightTop", "gmLeftBottom", "gmRightBottom", "gmInOut", "gmOutIn", "gmHorzInOut",
                                "gmHorzOutIn", "gmVertInOut", "gmVertOutIn"});
  return t;
}

bool IsDirect2DSupported() { return Direct2DSwitch(); }
void SetDirect2DSupported(bool Value) { Direct2DSwitch() = Value; }

TDgrGraphicLib DefaultGraphicLib() { return IsDirect2DSupported() ? dglDirect2D : dglGDIPlus; }

}  // namespace tarnwick
